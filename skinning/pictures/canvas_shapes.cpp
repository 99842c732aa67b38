#include "skinning/pictures/canvas_shapes.h"

namespace skinning {

namespace {

constexpr int kArrowWidth = 7;
constexpr int kArrowHeight = 4;
constexpr image::ColorRef kArrowColor = 0x000000;
constexpr image::ColorRef kGrayedArrow = 0x808080;
constexpr image::ColorRef kArrowHighlight = 0xFFFFFF;
// Below this brightness (0 to 255) a colour counts as dark.
constexpr int kDarkLuma = 100;

}  // namespace

void OutlineRect(image::Canvas& canvas, const image::Rect& rect, image::ColorRef color) {
  if (rect.IsEmpty()) {
    return;
  }
  canvas.Fill({rect.left, rect.top, rect.right, rect.top + 1}, color);
  canvas.Fill({rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
  canvas.Fill({rect.left, rect.top, rect.left + 1, rect.bottom}, color);
  canvas.Fill({rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void DrawDropArrow(image::Canvas& canvas, int left, int top, image::ColorRef color) {
  for (int row = 0; row < kArrowHeight; ++row) {
    canvas.Fill({left + row, top + row, left + kArrowWidth - row, top + row + 1}, color);
  }
}

bool IsDark(image::ColorRef color) {
  const int red = color & 0xFF;
  const int green = (color >> 8) & 0xFF;
  const int blue = (color >> 16) & 0xFF;
  return (red * 299 + green * 587 + blue * 114) / 1000 < kDarkLuma;
}

void DrawDropArrowIn(image::Canvas& canvas, const image::Rect& button, bool enabled,
                     image::ColorRef face) {
  const int left = (button.left + button.right) / 2 - 3;
  const int top = (button.top + button.bottom - kArrowHeight) / 2;
  if (enabled) {
    DrawDropArrow(canvas, left, top, IsDark(face) ? kArrowHighlight : kArrowColor);
    return;
  }
  DrawDropArrow(canvas, left + 1, top + 1, kArrowHighlight);
  DrawDropArrow(canvas, left, top, kGrayedArrow);
}

void DrawUpDownArrow(image::Canvas& canvas, const image::Rect& rect, bool up,
                     image::ColorRef color) {
  const int left = (rect.left + rect.right) / 2 - 3;
  const int top = (rect.top + rect.bottom - kArrowHeight) / 2;
  for (int row = 0; row < kArrowHeight; ++row) {
    const int inset = up ? kArrowHeight - 1 - row : row;
    canvas.Fill({left + inset, top + row, left + kArrowWidth - inset, top + row + 1}, color);
  }
}

}  // namespace skinning
