#include "flate/huffman_tree.h"

#include <array>

#include "flate/deflate_error.h"

namespace flate {

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
  std::array<uint16_t, THuffmanTree::kMaxCodeLength + 1> perLength{};
  for (size_t i = 0; i < count; ++i) {
    if (lengths[i] > THuffmanTree::kMaxCodeLength) {
      FailInvalidDeflateData();
    }
    ++perLength[lengths[i]];
  }
  int32_t unusedCodes = 1;
  for (unsigned length = 1; length <= THuffmanTree::kMaxCodeLength; ++length) {
    unusedCodes = unusedCodes * 2 - perLength[length];
    if (unusedCodes < 0) {
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
  entries_.assign(size_t{1} << mainBits_, kEmptySlot);

  size_t i = 0;
  while (i < codes.size() && codes[i].length <= mainBits_) {
    const CanonicalCode& c = codes[i++];
    FillMainTable(ReverseBits(c.code, c.length), c.length,
                  symbols[c.symbol] + (c.length << 8) + c.length);
  }
  // The longer codes sharing their first mainBits bits are neighbours in
  // canonical order, and the last of each group is its longest.
  while (i < codes.size()) {
    const uint32_t prefix = codes[i].code >> (codes[i].length - mainBits_);
    size_t groupEnd = i;
    while (groupEnd < codes.size() &&
           codes[groupEnd].code >> (codes[groupEnd].length - mainBits_) == prefix) {
      ++groupEnd;
    }
    const unsigned indexBits = codes[groupEnd - 1].length - mainBits_;
    const size_t subtable = AddSubtable(ReverseBits(prefix, mainBits_), indexBits);
    for (; i < groupEnd; ++i) {
      const CanonicalCode& c = codes[i];
      const unsigned restLength = c.length - mainBits_;
      const uint32_t entry = symbols[c.symbol] + (c.length << 8) + c.length;
      for (size_t slot = ReverseBits(c.code, c.length) >> mainBits_;
           slot < (size_t{1} << indexBits); slot += size_t{1} << restLength) {
        entries_[subtable + slot] = entry;
      }
    }
  }
}

void THuffmanTree::FillMainTable(uint32_t reversedCode, unsigned length, uint32_t entry) {
  for (size_t slot = reversedCode; slot < (size_t{1} << mainBits_); slot += size_t{1} << length) {
    entries_[slot] = entry;
  }
}

size_t THuffmanTree::AddSubtable(uint32_t prefix, unsigned indexBits) {
  const size_t start = entries_.size();
  entries_.resize(start + (size_t{1} << indexBits), kEmptySlot);
  entries_[prefix] =
      huffman_entry::Symbol(static_cast<uint32_t>(start), huffman_entry::kSubtableLink, indexBits);
  return start;
}

}  // namespace flate
