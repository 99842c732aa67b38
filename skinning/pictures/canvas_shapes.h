#pragma once

#include "image/bitmap.h"
#include "image/canvas.h"
#include "image/rect.h"

namespace skinning {

// Small shapes the control painters draw on their pictures besides the
// skin's images. Colours are colour numbers; everything is clipped to the
// canvas.

// A one-pixel outline along the inside of `rect`.
void OutlineRect(image::Canvas& canvas, const image::Rect& rect, image::ColorRef color);

// The arrow of a drop-down button: a downward triangle 7 pixels wide and 4
// high whose top row starts at (left, top).
void DrawDropArrow(image::Canvas& canvas, int left, int top, image::ColorRef color);

// The arrow of a drop-down button centred in `button`: black, or white on
// a dark `face` colour, where black would not show; when disabled, grey
// with a white copy one pixel right and down below it.
void DrawDropArrowIn(image::Canvas& canvas, const image::Rect& button, bool enabled,
                     image::ColorRef face);

// Whether a colour is so dark that black does not show on it.
bool IsDark(image::ColorRef color);

// An upward or downward triangle centred in `rect`, for up-down buttons.
void DrawUpDownArrow(image::Canvas& canvas, const image::Rect& rect, bool up,
                     image::ColorRef color);

}  // namespace skinning
