#pragma once

#include <cstdint>
#include <vector>

#include "image/bitmap.h"

namespace skingen {

// A 24-bit uncompressed Windows BMP file of the picture, rows stored
// bottom-up as the format's usual layout is.
std::vector<uint8_t> EncodeBmp24(const image::Bitmap& picture);

}  // namespace skingen
