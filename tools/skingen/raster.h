#pragma once

#include <functional>
#include <vector>

#include "image/bitmap.h"
#include "tools/skingen/color.h"

namespace skingen {

// Whether a point (in pixel units, pixel (x, y) spanning [x, x + 1)) is
// inside a shape.
using Shape = std::function<bool(double x, double y)>;
// The colour of a shape at a pixel.
using Paint = std::function<Rgb(int x, int y)>;

inline Paint Solid(const Rgb& color) {
  return [color](int, int) { return color; };
}
// From `top` at row `first` to `bottom` at row `last`.
Paint VerticalGradient(const Rgb& top, const Rgb& bottom, int first, int last);

// A picture filled with the transparent colour.
image::Bitmap TransparentPicture(int width, int height);
image::Bitmap SolidPicture(int width, int height, const Rgb& color);

// Frames of equal size side by side.
image::Bitmap Strip(const std::vector<image::Bitmap>& frames);

// Paints `shape` over the pixels [left, right) x [top, bottom) of `picture`,
// each pixel covered by the share of 4 x 4 samples inside the shape. Over
// the transparent colour a pixel is either painted (half covered or more)
// or left transparent, so edges against the transparent colour stay hard
// and the window shape cut from them exact; elsewhere edges are blended.
void PaintShape(image::Bitmap& picture, int left, int top, int right, int bottom,
                const Shape& shape, const Paint& paint);
void PaintShape(image::Bitmap& picture, const Shape& shape, const Paint& paint);

// Shapes.
Shape RoundRect(double left, double top, double right, double bottom, double radius);
// A round rectangle whose bottom corners are square (title bars, tabs).
Shape TopRoundRect(double left, double top, double right, double bottom, double radius);
Shape Ellipse(double left, double top, double right, double bottom);
Shape Segment(double x0, double y0, double x1, double y1, double width);
Shape Triangle(double x0, double y0, double x1, double y1, double x2, double y2);
// Inside `outer` and not inside `inner`.
Shape Ring(Shape outer, Shape inner);

}  // namespace skingen
