#pragma once

#include "image/bitmap.h"

namespace image {

// Frame `frame` (counted from 1) of a strip of `count` frames side by side,
// each source width div count wide. Empty for a frame outside 1 to count.
Bitmap CopyFrame(const Bitmap& source, int count, int frame);

// Rows [first, first + count) of `source`, cut to the picture.
Bitmap CopyRows(const Bitmap& source, int first, int count);

// Quarter turns and the half turn. Counter-clockwise, the pixel at (x, y)
// of a W x H picture moves to (y, W - 1 - x) of an H x W one; clockwise to
// (H - 1 - y, x); the half turn to (W - 1 - x, H - 1 - y).
Bitmap TurnCounterClockwise(const Bitmap& source);
Bitmap TurnHalf(const Bitmap& source);
Bitmap TurnClockwise(const Bitmap& source);

// Converts `image` to 24 bits per pixel and sets every pixel of colour
// `from` to `to`. A `from` with a high byte (a system colour, or the -1 of a
// missing colour) matches no pixel.
void ReplaceColor(Bitmap& image, ColorRef from, ColorRef to);

}  // namespace image
