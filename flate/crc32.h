#pragma once

#include <array>
#include <cstdint>

namespace flate {

namespace crc32_detail {

// The standard CRC-32 table for the reflected polynomial 0xEDB88320.
constexpr std::array<uint32_t, 256> MakeTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t i = 0; i < 256; ++i) {
    uint32_t crc = i;
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    table[i] = crc;
  }
  return table;
}

inline constexpr std::array<uint32_t, 256> kTable = MakeTable();

}  // namespace crc32_detail

// One byte step of the standard CRC-32, without the pre- and post-inversion
// of a whole-buffer checksum: the PKWARE cipher runs its keys through it.
inline uint32_t Crc32Step(uint32_t crc, uint8_t byte) {
  return crc32_detail::kTable[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

}  // namespace flate
