#pragma once

#include <cstdint>

// The two small skins the skinning tests use, "plain.ssk" and
// "shaped.ssk": every image one colour (so a pixel tells which image drew
// it), every size and position distinct. The shaped skin cuts the title
// bar's top corners and the bottom border's bottom corners in steps of one
// pixel per row; the plain one shapes nothing. Colours are colour numbers
// (0x00BBGGRR).
namespace skinning_test {

constexpr int kTitleHeight = 30;
constexpr int kTitleLeftWidth = 40;   // the left end
constexpr int kTitleFillWidth = 8;    // stretched between the ends
constexpr int kTitleRightWidth = 50;  // the right end
constexpr int kLeftBorder = 6;
constexpr int kRightBorder = 2;  // narrower than 4: padded with the form colour
constexpr int kBottomBorder = 7;
constexpr int kBottomStripWidth = 30;  // three parts of 10
constexpr int kButtonWidth = 16;
constexpr int kButtonHeight = 14;
constexpr int kIconX = 6;
constexpr int kIconY = 7;
constexpr int kCaptionTop = 8;
constexpr int kButtonX = 6;
constexpr int kButtonY = 8;
// The shaped skin's cut: `kCornerRows` rows, the first cut by that many
// pixels at each end, each next one by one less.
constexpr int kCornerRows = 3;

constexpr uint32_t kTransparent = 0xFF00FF;
constexpr uint32_t kTitleFontColor = 0xFFFFFF;
constexpr uint32_t kFormColor = 0xD8E0E8;
constexpr uint32_t kTitleLeftColor = 0x804010;
constexpr uint32_t kTitleFillColor = 0x905020;
constexpr uint32_t kTitleRightColor = 0xA06030;
constexpr uint32_t kLeftBorderColor = 0x0000C0;
constexpr uint32_t kRightBorderColor = 0x00C000;
constexpr uint32_t kBottomColor = 0xC00000;
constexpr uint32_t kCheckMarkColor = 0x123456;
constexpr uint32_t kControlFontColor = 0x203040;

// Skin colours 3 to 15, the menu colours: 0x0A0B00 + 0x10 x index.
constexpr uint32_t MenuColor(int index) {
  return 0x0A0B00 + 0x10 * static_cast<uint32_t>(index);
}

// Frame k (1 to 18) of the caption-button strip.
constexpr uint32_t ButtonFrameColor(int frame) {
  return 0xC82800 + 0x0C * static_cast<uint32_t>(frame);
}

}  // namespace skinning_test
