#pragma once

#include "image/canvas.h"
#include "image/rect.h"
#include "skin/skin_reader.h"

namespace skinning {

enum class CheckState { kUnchecked, kChecked, kGrayed };

// The frame of the skin's six-frame check-box strip: checked, grayed,
// unchecked, then the same three disabled.
int CheckBoxFrame(CheckState state, bool enabled);
// The frame of the four-frame radio-button strip: checked, unchecked, then
// the same two disabled.
int RadioButtonFrame(bool checked, bool enabled);

// Where a check box's or radio button's box goes in its client area: at
// the left edge when the text is to its right, otherwise one pixel in
// from the right edge; centred from top to bottom.
image::Rect BoxRect(int clientWidth, int clientHeight, int boxWidth, int boxHeight, bool boxAtLeft);

// Whether the box is at the left: text to the right of it reading left to
// right, or text to the left of it reading right to left.
inline bool BoxAtLeft(bool textLeftOfBox, bool rightToLeft) {
  return textLeftOfBox == rightToLeft;
}

// The size of a box picture: the frame's, and at least 13 x 13, so that it
// covers the box the control draws of its own.
constexpr int kMinBoxSize = 13;

// Frame `frame` of the check-box strip (`radio` false) or of the
// radio-button strip at the top-left corner of `box`, filled first with
// `background`; the frame is masked with the transparent colour when the skin draws that kind
// transparent. Nothing but the fill without the image.
void DrawBox(const skin::TvxSkinReader& reader, image::Canvas& canvas, const image::Rect& box,
             bool radio, int frame, image::ColorRef background);

// The size of one frame of the strip; 0 x 0 without the image.
struct BoxSize {
  int width = 0;
  int height = 0;
};
BoxSize BoxFrameSize(const skin::TvxSkinReader& reader, bool radio);

}  // namespace skinning
