#include "image/image_transforms.h"

#include <algorithm>

namespace image {

namespace {

// A 24-bit picture of the given size that keeps the source's transparency.
Bitmap BlankLike(const Bitmap& source, int width, int height) {
  Bitmap result(width, height, 24);
  if (source.Transparent()) {
    result.SetTransparentColor(source.TransparentColor());
  }
  return result;
}

Bitmap CopyBlock(const Bitmap& source, int left, int top, int width, int height) {
  Bitmap result = BlankLike(source, width, height);
  for (int y = 0; y < height; ++y) {
    std::copy_n(source.Row(top + y) + left, width, result.Row(y));
  }
  return result;
}

struct Point {
  int x;
  int y;
};

// The turned picture: the pixel at (x, y) of the result comes from the
// source pixel that `from` names.
template <typename SourceOf>
Bitmap Turned(const Bitmap& source, int width, int height, SourceOf from) {
  Bitmap result = BlankLike(source, width, height);
  for (int y = 0; y < height; ++y) {
    uint32_t* row = result.Row(y);
    for (int x = 0; x < width; ++x) {
      const auto [sourceX, sourceY] = from(x, y);
      row[x] = source.Row(sourceY)[sourceX];
    }
  }
  return result;
}

}  // namespace

Bitmap CopyFrame(const Bitmap& source, int count, int frame) {
  if (count <= 0 || frame < 1 || frame > count) {
    return BlankLike(source, 0, 0);
  }
  const int width = source.Width() / count;
  return CopyBlock(source, (frame - 1) * width, 0, width, source.Height());
}

Bitmap CopyRows(const Bitmap& source, int first, int count) {
  const int top = std::clamp(first, 0, source.Height());
  const int bottom = std::clamp(first + std::max(count, 0), top, source.Height());
  return CopyBlock(source, 0, top, source.Width(), bottom - top);
}

Bitmap TurnCounterClockwise(const Bitmap& source) {
  const int w = source.Width();
  // Result (y, W - 1 - x) holds source (x, y): result (rx, ry) = source (W - 1 - ry, rx).
  return Turned(source, source.Height(), w, [w](int x, int y) { return Point{w - 1 - y, x}; });
}

Bitmap TurnHalf(const Bitmap& source) {
  const int w = source.Width();
  const int h = source.Height();
  return Turned(source, w, h, [w, h](int x, int y) { return Point{w - 1 - x, h - 1 - y}; });
}

Bitmap TurnClockwise(const Bitmap& source) {
  const int h = source.Height();
  // Result (H - 1 - y, x) holds source (x, y): result (rx, ry) = source (ry, H - 1 - rx).
  return Turned(source, h, source.Width(), [h](int x, int y) { return Point{y, h - 1 - x}; });
}

void ReplaceColor(Bitmap& image, ColorRef from, ColorRef to) {
  image.ConvertTo24BitsPerPixel();
  if (!IsPlainColor(from)) {
    return;
  }
  const uint32_t fromPixel = PixelFromColor(from);
  const uint32_t toPixel = PixelFromColor(to & 0xFFFFFF);
  for (int y = 0; y < image.Height(); ++y) {
    uint32_t* row = image.Row(y);
    std::replace(row, row + image.Width(), fromPixel, toPixel);
  }
}

}  // namespace image
