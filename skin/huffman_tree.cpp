#include "skin/huffman_tree.h"

#include <array>

#include "skin/deflate_error.h"

namespace skin {

namespace {

constexpr uint32_t kEmptySlot = huffman_entry::kInvalid;

// Codes are defined most significant bit first but arrive first bit lowest.
uint32_t ReverseBits(uint32_t code, unsigned length) {
  uint32_t reversed = 0;
  for (unsigned i = 0; i < length; ++i) {
    reversed = reversed << 1 | ((code >> i) & 1);
  }
  return reversed;
}

struct CanonicalCode {
  uint16_t symbol;
  uint8_t length;
  uint32_t code;  // most significant bit first
};

// The codes in canonical order: by length, then by symbol, each one more
// than the last and shifted left whenever the length grows.
std::vector<CanonicalCode> AssignCanonicalCodes(const uint8_t* lengths, size_t count) {
  std::array<uint16_t, THuffmanTree::kMaxCodeLength + 1> per_length{};
  for (size_t i = 0; i < count; ++i) {
    if (lengths[i] > THuffmanTree::kMaxCodeLength) {
      FailInvalidDeflateData();
    }
    ++per_length[lengths[i]];
  }
  int32_t unused_codes = 1;
  for (unsigned length = 1; length <= THuffmanTree::kMaxCodeLength; ++length) {
    unused_codes = unused_codes * 2 - per_length[length];
    if (unused_codes < 0) {
      FailInvalidDeflateData();
    }
  }

  std::vector<CanonicalCode> codes;
  codes.reserve(count);
  for (unsigned length = 1; length <= THuffmanTree::kMaxCodeLength; ++length) {
    for (size_t symbol = 0; symbol < count; ++symbol) {
      if (lengths[symbol] == length) {
        codes.push_back({static_cast<uint16_t>(symbol), static_cast<uint8_t>(length), 0});
      }
    }
  }
  uint32_t code = 0;
  for (size_t i = 0; i < codes.size(); ++i) {
    if (i > 0) {
      code = (code + 1) << (codes[i].length - codes[i - 1].length);
    }
    codes[i].code = code;
  }
  return codes;
}

}  // namespace

void THuffmanTree::Build(const uint8_t* lengths, size_t count, const uint32_t* symbols) {
  const std::vector<CanonicalCode> codes = AssignCanonicalCodes(lengths, count);
  entries_.assign(size_t{1} << main_bits_, kEmptySlot);

  size_t i = 0;
  while (i < codes.size() && codes[i].length <= main_bits_) {
    const CanonicalCode& c = codes[i++];
    FillMainTable(ReverseBits(c.code, c.length), c.length,
                  symbols[c.symbol] + (c.length << 8) + c.length);
  }
  // The longer codes sharing their first main_bits bits are neighbours in
  // canonical order, and the last of each group is its longest.
  while (i < codes.size()) {
    const uint32_t prefix = codes[i].code >> (codes[i].length - main_bits_);
    size_t group_end = i;
    while (group_end < codes.size() &&
           codes[group_end].code >> (codes[group_end].length - main_bits_) == prefix) {
      ++group_end;
    }
    const unsigned index_bits = codes[group_end - 1].length - main_bits_;
    const size_t subtable = AddSubtable(ReverseBits(prefix, main_bits_), index_bits);
    for (; i < group_end; ++i) {
      const CanonicalCode& c = codes[i];
      const unsigned rest_length = c.length - main_bits_;
      const uint32_t entry = symbols[c.symbol] + (c.length << 8) + c.length;
      for (size_t slot = ReverseBits(c.code, c.length) >> main_bits_;
           slot < (size_t{1} << index_bits); slot += size_t{1} << rest_length) {
        entries_[subtable + slot] = entry;
      }
    }
  }
}

void THuffmanTree::FillMainTable(uint32_t reversed_code, unsigned length, uint32_t entry) {
  for (size_t slot = reversed_code; slot < (size_t{1} << main_bits_); slot += size_t{1} << length) {
    entries_[slot] = entry;
  }
}

size_t THuffmanTree::AddSubtable(uint32_t prefix, unsigned index_bits) {
  const size_t start = entries_.size();
  entries_.resize(start + (size_t{1} << index_bits), kEmptySlot);
  entries_[prefix] =
      huffman_entry::Symbol(static_cast<uint32_t>(start), huffman_entry::kSubtableLink, index_bits);
  return start;
}

}  // namespace skin
