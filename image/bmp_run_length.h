#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/bitmap.h"

namespace image {

// Decodes the pixel data of an RLE8 (`bitsPerPixel` 8) or RLE4 (4)
// bitmap into `bitmap`, whose rows it fills bottom-up. Pixels the data
// skips keep palette colour 0. Throws as DecodeBmp does.
void DecodeRunLengthPixels(const uint8_t* data, size_t size, int bitsPerPixel,
                           const std::vector<uint32_t>& palette, Bitmap& bitmap);

}  // namespace image
