#pragma once

#include <cstdint>
#include <vector>

#include "image/bitmap.h"

namespace skingen {

// A PNG file of the picture: 8-bit RGB, no filtering, deflated by zlib.
std::vector<uint8_t> EncodePng(const image::Bitmap& picture);

}  // namespace skingen
