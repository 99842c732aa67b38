#pragma once

#include <cstdint>
#include <vector>

#include "skin/bitmap.h"

namespace skingen {

// A PNG file of the picture: 8-bit RGB, no filtering, deflated by zlib.
std::vector<uint8_t> EncodePng(const skin::Bitmap& picture);

}  // namespace skingen
