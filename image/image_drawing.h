#pragma once

#include "image/bitmap.h"
#include "image/canvas.h"
#include "image/rect.h"

namespace image {

// How skin images are drawn onto a canvas. Each function draws nothing for
// an empty source or an empty destination, and everything is clipped to the
// canvas.

// Nine-part drawing split at the centre, not in thirds: the source corners
// are W div 2 by H div 2 (the right and bottom ones taken from the far
// side), and the edges and the centre are the middle column and row left
// between them, which are one pixel for odd sizes and none for even sizes.
// The destination is split at its own centre: each corner is drawn at its
// own size, cut to its quarter (keeping its outer part) when the quarter
// is smaller; the edges are stretched along the border and the centre over
// the inside. Corners are masked with `transparent` when
// `transparentCorners` is set; edges and centre always are.
void DrawNinePart(const Bitmap& source, Canvas& canvas, const Rect& destination,
                  ColorRef transparent, bool transparentCorners);

// Three equal parts, W div 3 wide each, at the rectangle's top with the
// source's height: part 1 at the left, part 3 at the right, part 2
// stretched between. A rectangle narrower than one part gets part 1 cut to
// its width. Masked with `transparent` when `masked` is set.
void DrawThreePartH(const Bitmap& source, Canvas& canvas, const Rect& rect, ColorRef transparent,
                    bool masked);

// Opaque three-part copies stretched across to the rectangle: the top and
// bottom `cap` rows (0 or less: the source height div 3) are kept, the rows
// between stretched over the rest; caps are cut when the rectangle is lower
// than they are. A rectangle with a negative left edge draws nothing.
void CopyThreePartV(const Bitmap& source, Canvas& canvas, const Rect& rect, int cap);

// The same across: the left and right `cap` columns (0 or less: the source
// width div 3) kept, the columns between stretched, stretched down to the
// rectangle's height.
void CopyThreePartH(const Bitmap& source, Canvas& canvas, const Rect& rect, int cap);

}  // namespace image
