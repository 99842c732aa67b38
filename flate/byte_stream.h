#pragma once

#include <cstddef>
#include <cstdint>

namespace flate {

// Where a decoder takes its input from, in pieces of the reader's choosing.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills up to `capacity` bytes and returns how many; 0 only at the end.
  virtual size_t Read(uint8_t* buffer, size_t capacity) = 0;
};

// Where a decoder puts its output. Failures throw.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void Write(const uint8_t* data, size_t size) = 0;
};

}  // namespace flate
