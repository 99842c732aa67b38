#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace flate {

// Decoding-table entry, 32 bits:
//
//   bits 31-16  value: a literal byte, the base of a match length or
//               distance, or a code-length symbol; in a subtable link, the
//               index of the subtable's first entry
//   bit  15     invalid: no code reaches this slot, or its symbol must not
//               occur (lengths 286-287 and distances 30-31 of the fixed code)
//   bit  14     subtable link: the code is longer than the main table's bits
//   bit  13     end of block
//   bit  12     literal
//   bits 11-8   code length in bits (0 in a link)
//   bits  7-0   code length plus the number of extra bits that follow the
//               code, so what one whole symbol consumes; in a link, the
//               number of index bits of the subtable
//
// Symbols are described before their code is known by the same layout with
// bits 11-8 zero and the extra-bit count alone in bits 7-0; the build adds
// the code length to both fields.
namespace huffman_entry {

constexpr uint32_t kInvalid = 1u << 15;
constexpr uint32_t kSubtableLink = 1u << 14;
constexpr uint32_t kEndOfBlock = 1u << 13;
constexpr uint32_t kLiteral = 1u << 12;

constexpr uint32_t Symbol(uint32_t value, uint32_t flags, uint32_t extraBits) {
  return value << 16 | flags | extraBits;
}
constexpr uint32_t Value(uint32_t entry) {
  return entry >> 16;
}
constexpr unsigned CodeLength(uint32_t entry) {
  return (entry >> 8) & 0xF;
}
constexpr unsigned TotalBits(uint32_t entry) {
  return entry & 0xFF;
}

}  // namespace huffman_entry

// The entry for the code at the low end of `bits`, which must hold at least
// as many stream bits as the longest code (first stream bit lowest). One
// lookup in the main table, and a second in a subtable for long codes.
template <typename Bits>
inline uint32_t LookupHuffmanEntry(const uint32_t* entries, unsigned mainBits, Bits bits) {
  uint32_t entry = entries[bits & ((Bits{1} << mainBits) - 1)];
  if (entry & huffman_entry::kSubtableLink) {
    const Bits indexBits = (bits >> mainBits) & ((Bits{1} << huffman_entry::TotalBits(entry)) - 1);
    entry = entries[huffman_entry::Value(entry) + indexBits];
  }
  return entry;
}

// A canonical Huffman code (RFC 1951 3.2.2) as a decoding table: a main
// table indexed by the first `mainBits` stream bits, in which every code
// no longer than that fills each slot its bits select, and one subtable per
// main-bits prefix of the longer codes.
class THuffmanTree {
 public:
  static constexpr unsigned kMaxCodeLength = 15;

  explicit THuffmanTree(unsigned mainBits) : mainBits_(mainBits) {}

  // Builds the table for `count` symbols, symbol i having code length
  // lengths[i] (0 = no code) and the entry description symbols[i].
  // An over-subscribed set of lengths is invalid data; the slots an
  // incomplete code leaves free decode as invalid.
  void Build(const uint8_t* lengths, size_t count, const uint32_t* symbols);

  uint32_t Lookup(uint64_t bits) const {
    return LookupHuffmanEntry(entries_.data(), mainBits_, bits);
  }
  const uint32_t* Entries() const { return entries_.data(); }
  unsigned MainBits() const { return mainBits_; }

 private:
  void FillMainTable(uint32_t reversedCode, unsigned length, uint32_t entry);
  size_t AddSubtable(uint32_t prefix, unsigned indexBits);

  unsigned mainBits_;
  std::vector<uint32_t> entries_;
};

}  // namespace flate
