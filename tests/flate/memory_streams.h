#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "flate/byte_stream.h"

namespace flate_test {

// Hands out a buffer in pieces of at most `pieceSize` bytes, so a decoder
// must refill at every kind of boundary.
class MemorySource : public flate::ByteSource {
 public:
  explicit MemorySource(const std::vector<uint8_t>& data,
                        size_t pieceSize = std::numeric_limits<size_t>::max())
      : data_(data), pieceSize_(pieceSize) {}

  size_t Read(uint8_t* buffer, size_t capacity) override {
    const size_t size = std::min({capacity, pieceSize_, data_.size() - position_});
    if (size == 0) {
      return 0;
    }
    std::memcpy(buffer, data_.data() + position_, size);
    position_ += size;
    return size;
  }

 private:
  const std::vector<uint8_t>& data_;
  size_t pieceSize_;
  size_t position_ = 0;
};

class VectorSink : public flate::ByteSink {
 public:
  void Write(const uint8_t* data, size_t size) override {
    bytes.insert(bytes.end(), data, data + size);
  }

  std::vector<uint8_t> bytes;
};

}  // namespace flate_test
