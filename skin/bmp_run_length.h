#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/bitmap.h"

namespace skin {

// Decodes the pixel data of an RLE8 (`bits_per_pixel` 8) or RLE4 (4)
// bitmap into `bitmap`, whose rows it fills bottom-up. Pixels the data
// skips keep palette colour 0. Throws as DecodeBmp does.
void DecodeRunLengthPixels(const uint8_t* data, size_t size, int bits_per_pixel,
                           const std::vector<uint32_t>& palette, Bitmap& bitmap);

}  // namespace skin
