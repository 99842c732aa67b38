#include "skin/bitmap.h"

namespace skin {

Bitmap::Bitmap(int width, int height, int bits_per_pixel)
    : width_(width),
      height_(height),
      bits_per_pixel_(bits_per_pixel),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height)) {}

ColorRef Bitmap::Pixel(int x, int y) const {
  return Contains(x, y) ? ColorFromPixel(Row(y)[x]) : kInvalidColor;
}

void Bitmap::SetPixel(int x, int y, ColorRef color) {
  if (Contains(x, y)) {
    Row(y)[x] = PixelFromColor(color & 0xFFFFFF);
  }
}

void Bitmap::SetTransparentColor(ColorRef color) {
  transparent_color_ = color;
  transparent_ = true;
}

}  // namespace skin
