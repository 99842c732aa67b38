#pragma once

#include <stdexcept>
#include <string>

namespace encoder {

// A conversion that cannot go on; the text says what went wrong, in words
// for the person reading the encoder's standard error.
class EncoderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws an EncoderError "<what>: <the system's text for the error code>".
[[noreturn]] void RaiseError(const std::string& what, unsigned long code);
// The same for the last error.
[[noreturn]] void RaiseLastError(const std::string& what);

}  // namespace encoder
