#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "image/bitmap.h"
#include "image/rect.h"

namespace image {

// A drawing surface over 32-bit pixels the canvas does not own: rows top
// first, no padding between them, each pixel 0x00RRGGBB. That is the memory
// of a top-down 32 bits-per-pixel DIB section, so a painter can compose on
// the canvas, draw text on the same section with the system, and copy it to
// the screen in one transfer. Every operation clips to the surface.
class Canvas {
 public:
  Canvas(uint32_t* pixels, int width, int height);
  explicit Canvas(Bitmap& bitmap);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Row y (0 to Height() - 1) of the surface.
  uint32_t* Row(int y) { return pixels_ + static_cast<size_t>(y) * width_; }
  const uint32_t* Row(int y) const { return pixels_ + static_cast<size_t>(y) * width_; }

  // Colours with a high byte (system colours) cannot be resolved here and
  // fill nothing.
  void Fill(const Rect& rect, ColorRef color);

  // Stretches `from` of `source` over `to`, nearest neighbour: destination
  // column x takes source column from.left + (x - to.left) * from.Width() /
  // to.Width(), rounded down, as the system's colour-on-colour stretch does;
  // rows alike. Source pixels outside `source` are not drawn, nor, when
  // `transparent` is given, pixels of that colour. Empty or inverted
  // rectangles draw nothing.
  void Stretch(const Bitmap& source, const Rect& from, const Rect& to,
               std::optional<ColorRef> transparent = std::nullopt);

 private:
  uint32_t* pixels_;
  int width_;
  int height_;
};

// The whole of `bitmap`.
inline Rect BoundsOf(const Bitmap& bitmap) {
  return {0, 0, bitmap.Width(), bitmap.Height()};
}

}  // namespace image
