#pragma once

#include <vector>

#include "image/bitmap.h"
#include "tools/skingen/skin_description.h"
#include "tools/skingen/skin_palette.h"

namespace skingen {

// One image of a skin and the image key it is stored under.
struct SkinImage {
  int index;  // a skin::SkinImageIndex
  image::Bitmap picture;
};

// The frame: title-bar sections, minimised title, side and bottom borders.
std::vector<SkinImage> FrameImages(const SkinDescription& skin, const Palette& palette);

// The caption-button strip.
SkinImage CaptionButtons(const SkinDescription& skin, const Palette& palette);
// Its frame size, which the title-bar metrics place.
int CaptionButtonSize(const SkinDescription& skin);

// Buttons, check boxes, radio buttons, progress and track bars, tabs.
std::vector<SkinImage> ControlImages(const SkinDescription& skin, const Palette& palette);

// Scroll bars, menu and tool bars, the menu check mark, side channel.
std::vector<SkinImage> BarImages(const SkinDescription& skin, const Palette& palette);

// The bottom border's height.
int BottomBorderHeight(const SkinDescription& skin);

}  // namespace skingen
