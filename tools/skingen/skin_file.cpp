#include "tools/skingen/skin_file.h"

#include <array>

#include "skin/skin_keys.h"
#include "tools/skingen/bmp_file.h"
#include "tools/skingen/skin_images.h"
#include "tools/skingen/skin_palette.h"
#include "tools/skintools/skin_archive_writer.h"

namespace skingen {

namespace {

using skin::SkinKeyGroup;
using skin::SkinKeyName;

std::vector<SkinImage> AllImages(const SkinDescription& skin, const Palette& palette) {
  std::vector<SkinImage> images = FrameImages(skin, palette);
  images.push_back(CaptionButtons(skin, palette));
  for (auto* group : {ControlImages, BarImages}) {
    for (SkinImage& image : group(skin, palette)) {
      images.push_back(std::move(image));
    }
  }
  return images;
}

// Where the icon, caption and buttons sit, and which rows carry the shape.
std::array<int32_t, skin::kMetricCount> Metrics(const SkinDescription& skin) {
  const int title = skin.titleHeight;
  const int button = CaptionButtonSize(skin);
  const int bottom = BottomBorderHeight(skin);
  std::array<int32_t, skin::kMetricCount> m{};
  m[skin::kMetricTitleBarIconPosX] = std::max(skin.border + 2, skin.topRadius / 2 + 4);
  m[skin::kMetricTitleBarIconPosY] = (title - 16) / 2 + 1;
  m[skin::kMetricTitleBarCaptionTop] = (title - 14) / 2 + 1;
  m[skin::kMetricTitleBarButtonPosX] = std::max(skin.border + 2, skin.topRadius / 2 + 3);
  m[skin::kMetricTitleBarButtonPosY] = (title - button) / 2 + 1;
  m[skin::kMetricTitleBarRegionMinY] = 0;
  m[skin::kMetricTitleBarRegionMaxY] = skin.topRadius;
  m[skin::kMetricBottomRegionMinY] = skin.bottomRadius > 0 ? bottom - skin.bottomRadius - 1 : 0;
  m[skin::kMetricBottomRegionMaxY] = skin.bottomRadius > 0 ? bottom - 1 : 0;
  return m;
}

std::array<bool, skin::kFlagCount> Flags(const SkinDescription& skin) {
  std::array<bool, skin::kFlagCount> f{};
  f[skin::kFlagTitleFiveSect] = skin.fiveSections;
  f[skin::kFlagBottomBorderThreeSect] = skin.threePartBottom;
  f[skin::kFlagTitleBarNeedRegion] = skin.topRadius > 0;
  f[skin::kFlagBottomBorderNeedRegion] = skin.bottomRadius > 0;
  f[skin::kFlagTitleBtnTrans] = true;  // every caption-button look has transparent corners
  f[skin::kFlagButtonTrans] = skin.controlRadius > 0;
  f[skin::kFlagCheckBoxTrans] = skin.controlRadius > 0;
  f[skin::kFlagRadioButtonTrans] = true;
  f[skin::kFlagTabControlTrans] = skin.controlRadius > 0;
  return f;
}

}  // namespace

std::vector<skintools::SkinValue> SkinValues(const SkinDescription& skin) {
  const Palette palette = MakePalette(skin);
  std::vector<skintools::SkinValue> values;
  for (const SkinImage& image : AllImages(skin, palette)) {
    values.push_back(skintools::BitmapValue(SkinKeyName(SkinKeyGroup::kImage, image.index),
                                            EncodeBmp24(image.picture)));
  }
  const auto colors = SkinColors(palette);
  for (int i = 0; i < skin::kColorCount; ++i) {
    values.push_back(skintools::IntegerValue(SkinKeyName(SkinKeyGroup::kColor, i),
                                             static_cast<int32_t>(ToColorRef(colors[i]))));
  }
  const auto metrics = Metrics(skin);
  for (int i = 0; i < skin::kMetricCount; ++i) {
    values.push_back(skintools::IntegerValue(SkinKeyName(SkinKeyGroup::kMetric, i), metrics[i]));
  }
  const auto flags = Flags(skin);
  for (int i = 0; i < skin::kFlagCount; ++i) {
    values.push_back(skintools::ByteValue(SkinKeyName(SkinKeyGroup::kFlag, i), flags[i] ? 1 : 0));
  }
  values.push_back(skintools::TextValue("SKIN2_NAME", skin.name));
  return values;
}

std::vector<uint8_t> BuildSkinFile(const SkinDescription& skin) {
  skintools::ArchiveMember member;
  member.name = "SKINDATA.SK2";
  member.data = skintools::BuildSkinContainer(SkinValues(skin));
  return skintools::BuildSkinArchive({member});
}

}  // namespace skingen
