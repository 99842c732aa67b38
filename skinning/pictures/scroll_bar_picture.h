#pragma once

#include "image/canvas.h"
#include "image/rect.h"
#include "skin/skin_scroll_btn_res.h"

namespace skinning {

// Arrow buttons are drawn 16 pixels long whatever the system's are.
constexpr int kScrollArrowLength = 16;
// The thumb of a scrolling control's bar is at most this wide, or as wide
// as the skin's thumb when that is narrower.
constexpr int kMaxThumbBreadth = 16;

// One scroll bar on a canvas: `bar` in the scroll-bar colour, the normal
// up (left) arrow over its first 16 pixels and the normal down (right)
// arrow over its last 16, then the thumb over `thumb` (none when it is
// empty). A thumb is drawn whole in three parts for the skins that ask for
// it, otherwise from five pieces: the caps at its ends (the end cap cut
// from its start when the thumb is shorter than twice a cap), the grip
// stretched between them when the thumb has no room for more, or else the
// grip centred with the fillers stretched on each side of it.
void DrawScrollBar(const skin::TvxSkinScrollBtnRes& pictures, image::ColorRef barColor,
                   image::Canvas& canvas, const image::Rect& bar, const image::Rect& thumb,
                   bool vertical);

}  // namespace skinning
