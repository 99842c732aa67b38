#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "flate/deflate_error.h"
#include "flate/huffman_tree.h"

namespace flate_test {
namespace {

using namespace flate::huffman_entry;

std::vector<uint32_t> LiteralSymbols(size_t count) {
  std::vector<uint32_t> symbols(count);
  for (uint32_t i = 0; i < count; ++i) {
    symbols[i] = Symbol(i, kLiteral, 0);
  }
  return symbols;
}

// The canonical codes as RFC 1951 3.2.2 computes them: first code of each
// length from the counts, then consecutive values in symbol order.
std::vector<uint32_t> RfcCodes(const std::vector<uint8_t>& lengths) {
  uint32_t count[16] = {};
  for (uint8_t length : lengths) {
    ++count[length];
  }
  count[0] = 0;
  uint32_t nextCode[16] = {};
  for (uint32_t code = 0, bits = 1; bits < 16; ++bits) {
    code = (code + count[bits - 1]) << 1;
    nextCode[bits] = code;
  }
  std::vector<uint32_t> codes(lengths.size());
  for (size_t symbol = 0; symbol < lengths.size(); ++symbol) {
    if (lengths[symbol] != 0) {
      codes[symbol] = nextCode[lengths[symbol]]++;
    }
  }
  return codes;
}

// The code as it arrives: first bit lowest.
uint64_t StreamBits(uint32_t code, unsigned length) {
  uint64_t bits = 0;
  for (unsigned i = 0; i < length; ++i) {
    bits |= uint64_t{(code >> (length - 1 - i)) & 1} << i;
  }
  return bits;
}

// A complete prefix code of random shape: leaves split at random until
// `count` leaves exist, never deeper than 15, dealt to random symbols.
std::vector<uint8_t> RandomCompleteLengths(size_t alphabet, size_t count, std::mt19937& random) {
  std::vector<uint8_t> leaves{1, 1};
  while (leaves.size() < count) {
    const size_t leaf = random() % leaves.size();
    if (leaves[leaf] < 15) {
      ++leaves[leaf];
      leaves.push_back(leaves[leaf]);
    }
  }
  std::vector<uint8_t> lengths(alphabet, 0);
  std::vector<size_t> symbols(alphabet);
  for (size_t i = 0; i < alphabet; ++i) {
    symbols[i] = i;
  }
  std::shuffle(symbols.begin(), symbols.end(), random);
  for (size_t i = 0; i < leaves.size(); ++i) {
    lengths[symbols[i]] = leaves[i];
  }
  return lengths;
}

void ExpectEveryCodeDecodes(const std::vector<uint8_t>& lengths, unsigned mainBits,
                            std::mt19937& random) {
  flate::THuffmanTree tree(mainBits);
  tree.Build(lengths.data(), lengths.size(), LiteralSymbols(lengths.size()).data());
  const std::vector<uint32_t> codes = RfcCodes(lengths);
  for (size_t symbol = 0; symbol < lengths.size(); ++symbol) {
    if (lengths[symbol] == 0) {
      continue;
    }
    // Whatever follows the code must not change what it decodes to.
    const uint64_t following = uint64_t{random()} << lengths[symbol];
    const uint32_t entry = tree.Lookup(StreamBits(codes[symbol], lengths[symbol]) | following);
    ASSERT_EQ(Value(entry), symbol) << "main bits " << mainBits;
    ASSERT_EQ(CodeLength(entry), lengths[symbol]);
    ASSERT_EQ(TotalBits(entry), lengths[symbol]);
    ASSERT_TRUE(entry & kLiteral);
  }
}

TEST(HuffmanTreeTest, EveryCodeOfRandomTreesDecodesAsRfc1951Assigns) {
  std::mt19937 random(42);
  for (int tree = 0; tree < 200; ++tree) {
    const size_t alphabet = 2 + random() % 287;
    const std::vector<uint8_t> lengths =
        RandomCompleteLengths(alphabet, 2 + random() % (alphabet - 1), random);
    for (unsigned mainBits : {4u, 7u, 11u}) {
      ExpectEveryCodeDecodes(lengths, mainBits, random);
    }
  }
}

TEST(HuffmanTreeTest, DeepestCodesGoThroughSubtables) {
  // 1, 2, ... 15 and 15 bits: the longest code deflate allows, twice.
  std::vector<uint8_t> lengths;
  for (uint8_t length = 1; length <= 15; ++length) {
    lengths.push_back(length);
  }
  lengths.push_back(15);
  std::mt19937 random(7);
  for (unsigned mainBits = 1; mainBits <= 15; ++mainBits) {
    ExpectEveryCodeDecodes(lengths, mainBits, random);
  }
}

TEST(HuffmanTreeTest, SlotsOfAnIncompleteCodeAreInvalid) {
  const std::vector<uint8_t> lengths{1, 0, 3};  // codes 0 and 100; 101 and 11 unused
  flate::THuffmanTree tree(2);
  tree.Build(lengths.data(), lengths.size(), LiteralSymbols(3).data());
  EXPECT_EQ(Value(tree.Lookup(0b0)), 0u);
  EXPECT_EQ(Value(tree.Lookup(StreamBits(0b100, 3))), 2u);
  EXPECT_TRUE(tree.Lookup(StreamBits(0b101, 3)) & kInvalid);
  EXPECT_TRUE(tree.Lookup(StreamBits(0b11, 2)) & kInvalid);

  const std::vector<uint8_t> none(30, 0);
  tree.Build(none.data(), none.size(), LiteralSymbols(30).data());
  EXPECT_TRUE(tree.Lookup(0) & kInvalid);
}

TEST(HuffmanTreeTest, RejectsOverSubscribedCodes) {
  const std::vector<std::vector<uint8_t>> cases = {{1, 1, 1}, {2, 2, 2, 2, 3}, {1, 2, 2, 15}};
  for (const std::vector<uint8_t>& lengths : cases) {
    flate::THuffmanTree tree(9);
    EXPECT_THROW(tree.Build(lengths.data(), lengths.size(), LiteralSymbols(lengths.size()).data()),
                 flate::InvalidDeflateData);
  }
}

}  // namespace
}  // namespace flate_test
