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

// The controls' images and colours. Each frame of a strip is one colour
// (the button frames one colour per part), so a pixel tells which frame,
// piece or part drew it.
constexpr uint32_t kControlColor = 0xB0C0D0;
constexpr uint32_t kControlBorderColor = 0x2040A0;
constexpr uint32_t kButtonFontColor = 0x004080;
constexpr uint32_t kScrollBarColor = 0x80A0B0;

// Push buttons: three frames of 9 x 9, split at the centre into 4 x 4
// corners, one-pixel edges and a one-pixel centre; the top-left pixel of
// each frame is the transparent colour, and buttons are drawn transparent.
constexpr int kFaceSize = 9;
constexpr uint32_t FaceCornerColor(int frame) {
  return 0x401000 + static_cast<uint32_t>(frame);
}
constexpr uint32_t FaceEdgeColor(int frame) {
  return 0x402000 + static_cast<uint32_t>(frame);
}
constexpr uint32_t FaceCentreColor(int frame) {
  return 0x403000 + static_cast<uint32_t>(frame);
}

// Check boxes: six frames of 11 x 11; radio buttons: four of 12 x 12.
constexpr int kCheckBoxSize = 11;
constexpr int kRadioSize = 12;
constexpr uint32_t CheckBoxFrameColor(int frame) {
  return 0x205000 + static_cast<uint32_t>(frame);
}
constexpr uint32_t RadioFrameColor(int frame) {
  return 0x206000 + static_cast<uint32_t>(frame);
}

// Progress bars: start 4 wide, filled and empty parts 6, end 5; all 12
// high.
constexpr int kProgressStart = 4;
constexpr int kProgressPart = 6;
constexpr int kProgressEnd = 5;
constexpr int kProgressHeight = 12;
constexpr uint32_t ProgressPieceColor(int piece) {
  return 0x307000 + static_cast<uint32_t>(piece);
}

// Scroll bars: arrow strips of three 16 x 16 frames (states 1 to 3 up, 4
// to 6 down) and a thumb 12 wide and 24 high whose rows are coloured by
// the piece (1 to 5) they are cut into.
constexpr int kThumbWidth = 12;
constexpr int kThumbHeight = 24;
constexpr uint32_t ScrollArrowColor(int state) {
  return 0x60A000 + static_cast<uint32_t>(state);
}
constexpr uint32_t ThumbPieceColor(int piece) {
  return 0x508000 + static_cast<uint32_t>(piece);
}

}  // namespace skinning_test
