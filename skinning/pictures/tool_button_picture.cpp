#include "skinning/pictures/tool_button_picture.h"

#include "skin/skin_keys.h"
#include "skinning/pictures/canvas_shapes.h"

namespace skinning {

namespace {

constexpr image::ColorRef kArrow = 0x000000;
constexpr image::ColorRef kGrayedArrow = 0x808080;

}  // namespace

void DrawToolBarBackground(const skin::TvxSkinReader& reader, image::Canvas& canvas,
                           const image::Rect& rect) {
  canvas.Fill(rect, reader.Color(skin::kColorToolBarStart));
  if (const image::Bitmap* band = reader.Image(skin::kImageToolBar)) {
    canvas.Stretch(*band, image::BoundsOf(*band), rect);
  }
}

void DrawToolButtonFace(const skin::TvxSkinReader& reader, image::Canvas& canvas,
                        const image::Rect& button, const FlatButtonState& state) {
  if (!state.enabled || (!state.hot && !state.pressed)) {
    return;
  }
  canvas.Fill(button,
              reader.Color(state.pressed ? skin::kColorToolBarDown : skin::kColorToolBarOn));
  OutlineRect(canvas, button, reader.Color(skin::kColorToolBarBorder));
}

void DrawUpDownButton(const skin::TvxSkinReader& reader, image::Canvas& canvas,
                      const image::Rect& button, bool up, const FlatButtonState& state) {
  const bool pressed = state.enabled && state.pressed;
  canvas.Fill(button, reader.Color(pressed ? skin::kColorToolBarDown : skin::kColorForm));
  OutlineRect(canvas, button, reader.Color(skin::kColorToolBarBorder));
  DrawUpDownArrow(canvas, button, up, state.enabled ? kArrow : kGrayedArrow);
}

}  // namespace skinning
