#pragma once

#include <cstddef>
#include <cstdint>

namespace skin {

// The skin data container, all numbers little-endian:
//
//   header, 24 bytes: offset 12, uint32, the header length (24); offset 20,
//   uint32, the offset of the first record; the other bytes are free.
//
//   record, 77 bytes, packed:
//     name         64 bytes  ASCII, NUL-terminated when shorter than 64
//     kind          1 byte   a SkinValueKind; other kinds are skipped
//     data offset   uint32   where the value starts
//     data length   uint32   the value's length in bytes
//     next          uint32   the next record's offset; 0 ends the chain
//
// Offsets count from the start of the container. The records form a chain
// from the header's first record; the record whose next is 0 is a
// terminator that holds no value.
namespace container_layout {

constexpr uint32_t kHeaderSize = 24;
constexpr size_t kHeaderLengthOffset = 12;
constexpr size_t kFirstRecordOffset = 20;

constexpr uint32_t kRecordSize = 77;
constexpr size_t kNameSize = 64;
constexpr size_t kKindOffset = 64;
constexpr size_t kDataOffsetOffset = 65;
constexpr size_t kDataLengthOffset = 69;
constexpr size_t kNextOffset = 73;

}  // namespace container_layout

// The values: kBitmap a whole Windows BMP file; kInteger a signed 32-bit
// number of at most 4 bytes; kByte an unsigned 8-bit number (also a flag,
// non-zero meaning true) of at most 1 byte; kText 8-bit text without a
// terminator.
enum class SkinValueKind : uint8_t { kBitmap = 0, kInteger = 1, kByte = 2, kText = 3 };

}  // namespace skin
