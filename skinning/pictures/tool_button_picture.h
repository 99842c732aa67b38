#pragma once

#include "image/canvas.h"
#include "image/rect.h"
#include "skin/skin_reader.h"

namespace skinning {

// The flat buttons of tool bars and up-down controls.
struct FlatButtonState {
  bool hot = false;
  bool pressed = false;  // pressed, or checked
  bool enabled = true;
};

// A tool bar's background: the skin's tool-bar image stretched over it, or
// its tool-bar colour without one.
void DrawToolBarBackground(const skin::TvxSkinReader& reader, image::Canvas& canvas,
                           const image::Rect& rect);

// A tool-bar button's face: while pressed the tool bar's pressed colour,
// while the mouse is over it its hot colour, framed in its border colour;
// nothing otherwise, so the bar shows through.
void DrawToolButtonFace(const skin::TvxSkinReader& reader, image::Canvas& canvas,
                        const image::Rect& button, const FlatButtonState& state);

// One button of an up-down control: framed in the tool bar's border
// colour, filled with its pressed colour while pressed and with the form
// colour otherwise, with an arrow up or down, black, grey when disabled.
void DrawUpDownButton(const skin::TvxSkinReader& reader, image::Canvas& canvas,
                      const image::Rect& button, bool up, const FlatButtonState& state);

}  // namespace skinning
