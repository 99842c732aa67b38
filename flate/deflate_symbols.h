#pragma once

#include <array>
#include <cstdint>

namespace flate {

// The deflate alphabets (RFC 1951 3.2.5) as Huffman entry descriptions
// (see huffman_tree.h): what each symbol means once its code is decoded.

// 0-255 literals, 256 end of block, 257-285 match lengths with their base
// length and extra bits; 286 and 287 only fill out the fixed code.
extern const std::array<uint32_t, 288> kLiteralLengthSymbols;

// 0-29 match distances with their base distance and extra bits; 30 and 31
// only fill out the fixed code.
extern const std::array<uint32_t, 32> kDistanceSymbols;

// 0-15 code lengths, 16-18 repeat instructions; value = the symbol itself,
// whose extra bits the table reader takes on its own.
extern const std::array<uint32_t, 19> kCodeLengthSymbols;

}  // namespace flate
