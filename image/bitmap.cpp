#include "image/bitmap.h"

namespace image {

Bitmap::Bitmap(int width, int height, int bitsPerPixel)
    : width_(width),
      height_(height),
      bitsPerPixel_(bitsPerPixel),
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
  transparentColor_ = color;
  transparent_ = true;
}

}  // namespace image
