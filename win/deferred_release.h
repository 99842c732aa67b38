#pragma once

#include <functional>

namespace win {

// Objects that take window messages are freed only once no message handler
// of ours is running on the thread, so a handler up the stack never
// returns into freed memory (a dialog box destroyed from inside one of its
// own messages, a window released while its painter is at work).
//
// Every entry point through which the system calls us opens a scope for
// the time of the call (see entry_guard.h). Scopes count per thread.
class MessageScope {
 public:
  MessageScope();
  ~MessageScope();
  MessageScope(const MessageScope&) = delete;
  MessageScope& operator=(const MessageScope&) = delete;
};

// Runs `release` at once when no scope is open on the calling thread,
// otherwise when the thread's outermost scope closes.
void ReleaseWhenIdle(std::function<void()> release);

}  // namespace win
