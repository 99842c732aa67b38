#pragma once

#include <vector>

#include "image/bitmap.h"

namespace image_test {

using PixelRows = std::vector<std::vector<image::ColorRef>>;

// A 24-bit picture of colour numbers, top row first.
image::Bitmap FromRows(const PixelRows& rows);
PixelRows RowsOf(const image::Bitmap& bitmap);

// A picture whose every pixel tells where it is: CoordinateColor(x, y).
image::Bitmap CoordinatePicture(int width, int height);
constexpr image::ColorRef CoordinateColor(int x, int y) {
  return 0x100000u | static_cast<image::ColorRef>(y) << 8 | static_cast<image::ColorRef>(x);
}

// A canvas-sized picture of one colour, to draw on.
image::Bitmap Background(int width, int height, image::ColorRef color);

}  // namespace image_test
