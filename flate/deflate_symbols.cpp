#include "flate/deflate_symbols.h"

#include "flate/huffman_tree.h"

namespace flate {

namespace {

using huffman_entry::Symbol;

constexpr uint16_t kLengthBase[29] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                      15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                      67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr uint8_t kLengthExtraBits[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                          2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr uint16_t kDistanceBase[30] = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr uint8_t kDistanceExtraBits[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                            6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

constexpr std::array<uint32_t, 288> MakeLiteralLengthSymbols() {
  std::array<uint32_t, 288> symbols{};
  for (uint32_t i = 0; i < 256; ++i) {
    symbols[i] = Symbol(i, huffman_entry::kLiteral, 0);
  }
  symbols[256] = Symbol(0, huffman_entry::kEndOfBlock, 0);
  for (uint32_t i = 0; i < 29; ++i) {
    symbols[257 + i] = Symbol(kLengthBase[i], 0, kLengthExtraBits[i]);
  }
  symbols[286] = symbols[287] = Symbol(0, huffman_entry::kInvalid, 0);
  return symbols;
}

constexpr std::array<uint32_t, 32> MakeDistanceSymbols() {
  std::array<uint32_t, 32> symbols{};
  for (uint32_t i = 0; i < 30; ++i) {
    symbols[i] = Symbol(kDistanceBase[i], 0, kDistanceExtraBits[i]);
  }
  symbols[30] = symbols[31] = Symbol(0, huffman_entry::kInvalid, 0);
  return symbols;
}

constexpr std::array<uint32_t, 19> MakeCodeLengthSymbols() {
  std::array<uint32_t, 19> symbols{};
  for (uint32_t i = 0; i < 19; ++i) {
    symbols[i] = Symbol(i, 0, 0);
  }
  return symbols;
}

}  // namespace

const std::array<uint32_t, 288> kLiteralLengthSymbols = MakeLiteralLengthSymbols();
const std::array<uint32_t, 32> kDistanceSymbols = MakeDistanceSymbols();
const std::array<uint32_t, 19> kCodeLengthSymbols = MakeCodeLengthSymbols();

}  // namespace flate
