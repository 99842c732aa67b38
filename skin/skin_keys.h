#pragma once

namespace skin {

// The four groups of skin keys. A key is addressed by its group and its
// index inside the group; the skin file stores it under its name.
enum class SkinKeyGroup { kColor, kImage, kMetric, kFlag };

// Colours (integers, 0x00BBGGRR).
enum SkinColorIndex : int {
  kColorTrans,
  kColorTitleFont,
  kColorForm,
  kColorMenuBarStart,
  kColorMenuBarEnd,
  kColorTopSelectedMenu,
  kColorTopSelectedMenuBorder,
  kColorTopSelectedMenuFont,
  kColorTopMenuFont,
  kColorLeftBarStart,
  kColorLeftBarEnd,
  kColorMenuItem,
  kColorMenuItemFont,
  kColorSelectedMenu,
  kColorSelectedMenuBorder,
  kColorSelectedMenuFont,
  kColorToolBarStart,
  kColorToolBarEnd,
  kColorToolBarOn,
  kColorToolBarBorder,
  kColorToolBarDown,
  kColorControl,
  kColorControlBorder,
  kColorControlFont,
  kColorButtonFont,
  kColorScrollBar,
  kColorTabControl,
  kColorTabControlBorder,
  kColorTabControlActiveFont,
  kColorTabControlInactiveFont,
  kColorSideChannel,
  kColorSideChannelBorder,
  kColorCount
};

// Images (bitmaps).
enum SkinImageIndex : int {
  kImageTitleBar1,
  kImageTitleBar2,
  kImageTitleBar3,
  kImageTitleBar4,
  kImageTitleBar5,
  kImageFormLeftBorder,
  kImageFormRightBorder,
  kImageFormBottomBorder1,
  kImageFormBottomBorder2,
  kImageFormBottomBorder3,
  kImageMinimizedTitle,
  kImageTitleButtons,
  kImageCheckedMenuIcon,
  kImageMenuBar,
  kImageToolBar,
  kImageButton,
  kImageCheckBox,
  kImageCheckBoxList,
  kImageRadioButton,
  kImageProgressBar1,
  kImageProgressBar2,
  kImageProgressBar3,
  kImageProgressBar4,
  kImageTrackBar,
  kImageTrackBarSlider,
  kImageTrackBarVSlider,
  kImageScrollBarUpButton,
  kImageScrollBar,
  kImageScrollBarDownButton,
  kImageTabControl,
  kImageTabControlLine,
  kImageSideChannelBar,
  kImageSideChannelTitle,
  kImageScrollButton,
  kImageCount
};

// Metrics (integers, pixels).
enum SkinMetricIndex : int {
  kMetricTitleBarIconPosX,
  kMetricTitleBarIconPosY,
  kMetricTitleBarCaptionTop,
  kMetricTitleBarButtonPosX,
  kMetricTitleBarButtonPosY,
  kMetricTitleBarRegionMinY,
  kMetricTitleBarRegionMaxY,
  kMetricBottomRegionMinY,
  kMetricBottomRegionMaxY,
  kMetricCount
};

// Flags (bytes, non-zero meaning true).
enum SkinFlagIndex : int {
  kFlagTitleFiveSect,
  kFlagBottomBorderThreeSect,
  kFlagTitleBarNeedRegion,
  kFlagBottomBorderNeedRegion,
  kFlagTitleBtnTrans,
  kFlagButtonTrans,
  kFlagCheckBoxTrans,
  kFlagRadioButtonTrans,
  kFlagTabControlTrans,
  kFlagCount
};

// Frames of the image strips, as painters count them.
constexpr int kTitleButtonFrames = 18;
constexpr int kButtonFrames = 3;
constexpr int kCheckBoxFrames = 6;
constexpr int kRadioButtonFrames = 4;
constexpr int kScrollArrowFrames = 3;
constexpr int kTabFrames = 2;

// The name a key is stored under ("SKIN2_TITLEBAR1"), or null for an index
// outside its group.
const char* SkinKeyName(SkinKeyGroup group, int index);

}  // namespace skin
