#pragma once

#include "image/bitmap.h"
#include "tools/skingen/color.h"

namespace skingen {

enum class Glyph { kNone, kHelp, kMaximize, kRestore, kMinimize, kClose };

// Draws a caption-button glyph centred in a square of `size` pixels at
// (left, top), `scale` times its normal size.
void DrawGlyph(image::Bitmap& picture, Glyph glyph, double left, double top, double size,
               double scale, const Rgb& color);

// A check mark in the box [left, left + size) x [top, top + size).
void DrawCheckMark(image::Bitmap& picture, double left, double top, double size, double width,
                   const Rgb& color);

// A triangle pointing up, centred in the box.
void DrawUpArrow(image::Bitmap& picture, double left, double top, double size, const Rgb& color);

}  // namespace skingen
