#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace flate_test {

// Deterministic data of the kinds a deflate decoder meets.

std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed);

// Words, numbers and punctuation in lines, like INI files and logs.
std::vector<uint8_t> TextLike(size_t size, uint32_t seed);

// A short pattern repeated: matches at small distances that overlap.
std::vector<uint8_t> RepeatingPattern(size_t size, size_t period);

// Text and binary records (number tables, sparse words, random noise)
// interleaved in blocks of a few KiB.
std::vector<uint8_t> MixedTextAndBinary(size_t size, uint32_t seed);

// BMP files as skins hold them, 24-bit: gradients, bevelled buttons in state
// strips with transparent key-colour corners, flat fills and grained
// backgrounds.
std::vector<uint8_t> SkinLikeBitmaps(size_t size, uint32_t seed);

}  // namespace flate_test
