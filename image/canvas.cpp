#include "image/canvas.h"

#include <algorithm>
#include <vector>

namespace image {

namespace {

// Where destination offset `offset` of a run `toLength` long samples a run
// `fromLength` long; 64-bit so that large surfaces cannot overflow.
int SourceOffset(int offset, int fromLength, int toLength) {
  return static_cast<int>(static_cast<int64_t>(offset) * fromLength / toLength);
}

// The source column of each visible destination column, -1 where it falls
// outside the source.
std::vector<int> SourceColumns(const Bitmap& source, const Rect& from, const Rect& to, int first,
                               int last) {
  std::vector<int> columns(static_cast<size_t>(last - first));
  for (int x = first; x < last; ++x) {
    const int column = from.left + SourceOffset(x - to.left, from.Width(), to.Width());
    columns[static_cast<size_t>(x - first)] = column >= 0 && column < source.Width() ? column : -1;
  }
  return columns;
}

}  // namespace

Canvas::Canvas(uint32_t* pixels, int width, int height)
    : pixels_(pixels), width_(width), height_(height) {}

Canvas::Canvas(Bitmap& bitmap)
    : Canvas(bitmap.IsEmpty() ? nullptr : bitmap.Row(0), bitmap.Width(), bitmap.Height()) {}

void Canvas::Fill(const Rect& rect, ColorRef color) {
  if (!IsPlainColor(color)) {
    return;
  }
  const int left = std::max(rect.left, 0);
  const int right = std::min(rect.right, width_);
  if (left >= right) {
    return;
  }
  const uint32_t pixel = PixelFromColor(color);
  for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, height_); ++y) {
    uint32_t* row = Row(y);
    std::fill(row + left, row + right, pixel);
  }
}

void Canvas::Stretch(const Bitmap& source, const Rect& from, const Rect& to,
                     std::optional<ColorRef> transparent) {
  if (from.IsEmpty() || to.IsEmpty() || source.IsEmpty()) {
    return;
  }
  const int firstX = std::max(to.left, 0);
  const int lastX = std::min(to.right, width_);
  if (firstX >= lastX) {
    return;
  }
  const std::vector<int> columns = SourceColumns(source, from, to, firstX, lastX);
  // A colour with a high byte matches no pixel.
  const bool masked = transparent && IsPlainColor(*transparent);
  const uint32_t transparentPixel = masked ? PixelFromColor(*transparent) : 0;
  for (int y = std::max(to.top, 0); y < std::min(to.bottom, height_); ++y) {
    const int sourceY = from.top + SourceOffset(y - to.top, from.Height(), to.Height());
    if (sourceY < 0 || sourceY >= source.Height()) {
      continue;
    }
    const uint32_t* sourceRow = source.Row(sourceY);
    uint32_t* row = Row(y);
    for (int x = firstX; x < lastX; ++x) {
      const int column = columns[static_cast<size_t>(x - firstX)];
      if (column < 0) {
        continue;
      }
      const uint32_t pixel = sourceRow[column];
      if (!masked || pixel != transparentPixel) {
        row[x] = pixel;
      }
    }
  }
}

}  // namespace image
