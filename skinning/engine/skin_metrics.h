#pragma once

#include <algorithm>
#include <array>

#include "image/bitmap.h"
#include "skin/skin_keys.h"
#include "skin/skin_reader.h"

namespace skinning {

// What frames and menus read of the loaded skin, taken once per skin
// change. Sizes of missing images are 0; missing colours are -1, a value
// with a high byte that paints nothing.
struct SkinMetrics {
  int titleHeight = 0;      // height of the left title image
  int titlePlateWidth = 0;  // width of the third title image
  int leftBorder = 0;       // width of the left border image
  int rightBorder = 0;      // width of the right border image
  int bottomBorder = 0;     // height of the bottom border's first image
  image::ColorRef transparentColor = 0;
  image::ColorRef formColor = 0;
  image::ColorRef titleFontColor = 0;
  int iconX = 0;
  int iconY = 0;
  int captionTop = 0;
  int buttonX = 0;  // distance of the rightmost caption button from the right edge
  int buttonY = 0;
  // One frame of the 18-frame caption-button strip.
  int buttonWidth = 0;
  int buttonHeight = 0;
  // The rows of the title bar and of the bottom border scanned for the
  // window's shape.
  int titleRegionMin = 0;
  int titleRegionMax = 0;
  int bottomRegionMin = 0;
  int bottomRegionMax = 0;
  int minFormWidth = 0;
  bool fiveSectionTitle = false;
  bool threeSectionBottom = false;
  bool titleNeedsRegion = false;
  bool bottomNeedsRegion = false;
  bool titleButtonsTransparent = false;
  // The thirteen menu colours, the skin's colours from the menu bar's
  // colour to the selected item's text colour.
  std::array<image::ColorRef, skin::kColorSelectedMenuFont - skin::kColorMenuBarStart + 1>
      menuColors{};

  // A menu colour by the skin's own colour index (kColorMenuBarStart to
  // kColorSelectedMenuFont).
  image::ColorRef MenuColor(skin::SkinColorIndex index) const {
    return menuColors[index - skin::kColorMenuBarStart];
  }
  // Borders are at least 4 pixels wide; narrower images are padded.
  int PaddedLeft() const { return std::max(leftBorder, 4); }
  int PaddedRight() const { return std::max(rightBorder, 4); }
  int PaddedBottom() const { return std::max(bottomBorder, 4); }
};

SkinMetrics ReadSkinMetrics(const skin::TvxSkinReader& reader);

}  // namespace skinning
