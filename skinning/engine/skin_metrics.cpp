#include "skinning/engine/skin_metrics.h"

#include <algorithm>

namespace skinning {

namespace {

int ImageWidth(const skin::TvxSkinReader& reader, int index) {
  const image::Bitmap* picture = reader.Image(index);
  return picture ? picture->Width() : 0;
}

int ImageHeight(const skin::TvxSkinReader& reader, int index) {
  const image::Bitmap* picture = reader.Image(index);
  return picture ? picture->Height() : 0;
}

// The narrowest window whose title still holds its ends and three caption
// buttons (a sixth of the 18-frame strip).
int MinFormWidth(const skin::TvxSkinReader& reader) {
  const int left = ImageWidth(reader, skin::kImageTitleBar1);
  const int plate = ImageWidth(reader, skin::kImageTitleBar3);
  const int buttons = ImageWidth(reader, skin::kImageTitleButtons) / 6;
  if (reader.Flag(skin::kFlagTitleFiveSect)) {
    return left + plate + buttons + 35;
  }
  return left + std::max(plate, buttons + 35);
}

}  // namespace

SkinMetrics ReadSkinMetrics(const skin::TvxSkinReader& reader) {
  SkinMetrics m;
  m.titleHeight = ImageHeight(reader, skin::kImageTitleBar1);
  m.titlePlateWidth = ImageWidth(reader, skin::kImageTitleBar3);
  m.leftBorder = ImageWidth(reader, skin::kImageFormLeftBorder);
  m.rightBorder = ImageWidth(reader, skin::kImageFormRightBorder);
  m.bottomBorder = ImageHeight(reader, skin::kImageFormBottomBorder1);
  m.transparentColor = reader.Color(skin::kColorTrans);
  m.formColor = reader.Color(skin::kColorForm);
  m.titleFontColor = reader.Color(skin::kColorTitleFont);
  m.iconX = reader.Metric(skin::kMetricTitleBarIconPosX);
  m.iconY = reader.Metric(skin::kMetricTitleBarIconPosY);
  m.captionTop = reader.Metric(skin::kMetricTitleBarCaptionTop);
  m.buttonX = reader.Metric(skin::kMetricTitleBarButtonPosX);
  m.buttonY = reader.Metric(skin::kMetricTitleBarButtonPosY);
  m.buttonWidth = ImageWidth(reader, skin::kImageTitleButtons) / skin::kTitleButtonFrames;
  m.buttonHeight = ImageHeight(reader, skin::kImageTitleButtons);
  m.titleRegionMin = reader.Metric(skin::kMetricTitleBarRegionMinY);
  m.titleRegionMax = reader.Metric(skin::kMetricTitleBarRegionMaxY);
  m.bottomRegionMin = reader.Metric(skin::kMetricBottomRegionMinY);
  m.bottomRegionMax = reader.Metric(skin::kMetricBottomRegionMaxY);
  m.minFormWidth = MinFormWidth(reader);
  m.fiveSectionTitle = reader.Flag(skin::kFlagTitleFiveSect);
  m.threeSectionBottom = reader.Flag(skin::kFlagBottomBorderThreeSect);
  m.titleNeedsRegion = reader.Flag(skin::kFlagTitleBarNeedRegion);
  m.bottomNeedsRegion = reader.Flag(skin::kFlagBottomBorderNeedRegion);
  m.titleButtonsTransparent = reader.Flag(skin::kFlagTitleBtnTrans);
  for (size_t i = 0; i < m.menuColors.size(); ++i) {
    m.menuColors[i] = reader.Color(skin::kColorMenuBarStart + static_cast<int>(i));
  }
  return m;
}

}  // namespace skinning
