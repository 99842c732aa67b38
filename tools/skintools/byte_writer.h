#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace skintools {

// Appends little-endian numbers and raw bytes to a growing buffer.
class ByteWriter {
 public:
  explicit ByteWriter(std::vector<uint8_t>& bytes) : bytes_(bytes) {}

  void U8(uint8_t value) { bytes_.push_back(value); }
  void U16(uint16_t value) {
    U8(static_cast<uint8_t>(value));
    U8(static_cast<uint8_t>(value >> 8));
  }
  void U32(uint32_t value) {
    U16(static_cast<uint16_t>(value));
    U16(static_cast<uint16_t>(value >> 16));
  }
  void Bytes(const std::vector<uint8_t>& data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
  }
  void Bytes(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }

 private:
  std::vector<uint8_t>& bytes_;
};

// Overwrites a little-endian 32-bit number inside a buffer.
inline void StoreLittleEndian32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
  }
}

}  // namespace skintools
