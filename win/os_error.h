#pragma once

#include <stdexcept>
#include <string>

namespace win {

// A failed operating-system call. Its text is
// "System Error.  Code: %d.\r\n%s" with the system's own message.
class EOSError : public std::runtime_error {
 public:
  EOSError(unsigned long code, const std::string& text) : std::runtime_error(text), code_(code) {}
  unsigned long ErrorCode() const { return code_; }

 private:
  unsigned long code_;
};

// The system's message text for an error code, without a trailing line end.
std::string SysErrorMessage(unsigned long code);

// The full error text for a code; 0 gives "A call to an OS function failed".
std::string OSErrorText(unsigned long code);

[[noreturn]] void RaiseOSError(unsigned long code);
[[noreturn]] void RaiseLastOSError();

}  // namespace win
