#include "skin/canvas.h"

#include <algorithm>
#include <vector>

namespace skin {

namespace {

bool IsPlainColor(ColorRef color) {
  return (color >> 24) == 0;
}

// Where destination offset `offset` of a run `to_length` long samples a run
// `from_length` long; 64-bit so that large surfaces cannot overflow.
int SourceOffset(int offset, int from_length, int to_length) {
  return static_cast<int>(static_cast<int64_t>(offset) * from_length / to_length);
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
    uint32_t* row = pixels_ + static_cast<size_t>(y) * width_;
    std::fill(row + left, row + right, pixel);
  }
}

void Canvas::Stretch(const Bitmap& source, const Rect& from, const Rect& to,
                     std::optional<ColorRef> transparent) {
  if (from.IsEmpty() || to.IsEmpty() || source.IsEmpty()) {
    return;
  }
  const int first_x = std::max(to.left, 0);
  const int last_x = std::min(to.right, width_);
  if (first_x >= last_x) {
    return;
  }
  const std::vector<int> columns = SourceColumns(source, from, to, first_x, last_x);
  // A colour with a high byte matches no pixel.
  const bool masked = transparent && IsPlainColor(*transparent);
  const uint32_t transparent_pixel = masked ? PixelFromColor(*transparent) : 0;
  for (int y = std::max(to.top, 0); y < std::min(to.bottom, height_); ++y) {
    const int source_y = from.top + SourceOffset(y - to.top, from.Height(), to.Height());
    if (source_y < 0 || source_y >= source.Height()) {
      continue;
    }
    const uint32_t* source_row = source.Row(source_y);
    uint32_t* row = pixels_ + static_cast<size_t>(y) * width_;
    for (int x = first_x; x < last_x; ++x) {
      const int column = columns[static_cast<size_t>(x - first_x)];
      if (column < 0) {
        continue;
      }
      const uint32_t pixel = source_row[column];
      if (!masked || pixel != transparent_pixel) {
        row[x] = pixel;
      }
    }
  }
}

}  // namespace skin
