#pragma once

#include <stdexcept>

namespace flate {

// Deflate data that breaks RFC 1951, or that ends before its final block.
class InvalidDeflateData : public std::runtime_error {
 public:
  InvalidDeflateData() : std::runtime_error("invalid deflate data") {}
};

// The one exit of the inflate decoder for bad data, used by every check.
[[noreturn]] void FailInvalidDeflateData();

}  // namespace flate
