#pragma once

#include <functional>

namespace skinning {

// Objects that take window messages are freed only once no message handler
// of the skin is running on the thread, so a handler up the stack never
// returns into freed memory (a dialog box destroyed from inside one of its
// own messages, a window released while its painter is at work).
//
// Every entry point through which the system calls into the skin (window
// procedures, hooks) opens a scope for the time of the call.
class MessageScope {
 public:
  MessageScope();
  ~MessageScope();
  MessageScope(const MessageScope&) = delete;
  MessageScope& operator=(const MessageScope&) = delete;
};

// Runs `release` at once when no scope is open, otherwise when the
// outermost scope closes. Main thread only.
void ReleaseWhenIdle(std::function<void()> release);

}  // namespace skinning
