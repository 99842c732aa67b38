#pragma once

#include <vector>

#include "skin/bitmap.h"

namespace skin_test {

using PixelRows = std::vector<std::vector<skin::ColorRef>>;

// A 24-bit picture of colour numbers, top row first.
skin::Bitmap FromRows(const PixelRows& rows);
PixelRows RowsOf(const skin::Bitmap& bitmap);

// A picture whose every pixel tells where it is: CoordinateColor(x, y).
skin::Bitmap CoordinatePicture(int width, int height);
constexpr skin::ColorRef CoordinateColor(int x, int y) {
  return 0x100000u | static_cast<skin::ColorRef>(y) << 8 | static_cast<skin::ColorRef>(x);
}

// A canvas-sized picture of one colour, to draw on.
skin::Bitmap Background(int width, int height, skin::ColorRef color);

}  // namespace skin_test
