#pragma once

#include <string_view>

#include "image/bitmap.h"

namespace skingen {

// A tiny 5 x 7 capital-letter font for labelling pictures: letters (lower
// case shown as capitals), digits, space, '-', '.' and ':'; other
// characters are left blank. Each glyph advances 6 pixels times `scale`.
void DrawText(image::Bitmap& picture, int x, int y, std::string_view text, image::ColorRef color,
              int scale = 1);

constexpr int kPixelFontAdvance = 6;
constexpr int kPixelFontHeight = 7;

}  // namespace skingen
