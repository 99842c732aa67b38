#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/std_temp_name_source.h"
#include "skin/skin_keys.h"
#include "skin/skin_reader.h"
#include "skin/skin_scroll_btn_res.h"
#include "tests/skin/shipped_skin_names.h"

namespace skin_test {
namespace {

using namespace skin;

constexpr image::ColorRef kMagenta = 0xFF00FF;

std::string SkinPath(const std::string& name) {
  return std::string(VEXMOOR_SKIN_DIR) + "/" + name + ".ssk";
}

bool HasTransparentPixels(const image::Bitmap* image) {
  for (int y = 0; image && y < image->Height(); ++y) {
    for (int x = 0; x < image->Width(); ++x) {
      if (image->Pixel(x, y) == kMagenta) {
        return true;
      }
    }
  }
  return false;
}

// Whether every transparent pixel of the image lies in rows [first, last].
bool TransparentOnlyInRows(const image::Bitmap& image, int first, int last) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if (image.Pixel(x, y) == kMagenta && (y < first || y > last)) {
        return false;
      }
    }
  }
  return true;
}

class ShippedSkinTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    reader_.Load(SkinPath(GetParam()), "");
    ASSERT_TRUE(reader_.Loaded()) << SkinPath(GetParam());
  }

  const image::Bitmap& Image(int index) {
    const image::Bitmap* image = reader_.Image(index);
    if (!image) {
      ADD_FAILURE() << SkinKeyName(SkinKeyGroup::kImage, index) << " is missing";
      static const image::Bitmap empty;
      return empty;
    }
    return *image;
  }

  std::vector<int> TitleSections() {
    if (reader_.Flag(kFlagTitleFiveSect)) {
      return {kImageTitleBar1, kImageTitleBar2, kImageTitleBar3, kImageTitleBar4, kImageTitleBar5};
    }
    return {kImageTitleBar1, kImageTitleBar2, kImageTitleBar3};
  }

  std::vector<int> BottomSections() {
    if (reader_.Flag(kFlagBottomBorderThreeSect)) {
      return {kImageFormBottomBorder1, kImageFormBottomBorder2, kImageFormBottomBorder3};
    }
    return {kImageFormBottomBorder1};
  }

  base::StdTempNameSource tempNames_;
  TvxSkinReader reader_{tempNames_};
};

TEST_P(ShippedSkinTest, HasEveryColourAndMetric) {
  EXPECT_EQ(reader_.Color(kColorTrans), kMagenta);
  for (int index = 0; index < kColorCount; ++index) {
    EXPECT_EQ(reader_.Color(index) >> 24, 0u) << SkinKeyName(SkinKeyGroup::kColor, index);
  }
  for (int index = 0; index < kMetricCount; ++index) {
    EXPECT_GE(reader_.Metric(index), 0) << SkinKeyName(SkinKeyGroup::kMetric, index);
  }
}

TEST_P(ShippedSkinTest, StripsHoldWholeFrames) {
  const struct {
    int index;
    int frames;
  } strips[] = {
      {kImageTitleButtons, kTitleButtonFrames},
      {kImageButton, kButtonFrames},
      {kImageCheckBox, kCheckBoxFrames},
      {kImageCheckBoxList, kCheckBoxFrames},
      {kImageRadioButton, kRadioButtonFrames},
      {kImageScrollBarUpButton, kScrollArrowFrames},
      {kImageScrollBarDownButton, kScrollArrowFrames},
      {kImageScrollButton, kScrollArrowFrames},
      {kImageTabControl, kTabFrames},
  };
  for (const auto& strip : strips) {
    const image::Bitmap& image = Image(strip.index);
    EXPECT_GT(image.Width(), 0) << SkinKeyName(SkinKeyGroup::kImage, strip.index);
    EXPECT_EQ(image.Width() % strip.frames, 0) << SkinKeyName(SkinKeyGroup::kImage, strip.index);
  }
  // Buttons are drawn split at their centre, tabs in three parts.
  EXPECT_EQ(Image(kImageButton).Width() / kButtonFrames % 2, 1) << "a middle column to stretch";
  EXPECT_EQ(Image(kImageButton).Height() % 2, 1) << "a middle row to stretch";
  EXPECT_GE(Image(kImageTabControl).Width() / kTabFrames, 3);
  EXPECT_LE(Image(kImageTitleButtons).Height(), Image(kImageTitleBar1).Height());
}

TEST_P(ShippedSkinTest, FrameImagesFitTogether) {
  const int titleHeight = Image(kImageTitleBar1).Height();
  EXPECT_GE(titleHeight, 18);
  for (int index : TitleSections()) {
    EXPECT_EQ(Image(index).Height(), titleHeight) << SkinKeyName(SkinKeyGroup::kImage, index);
  }
  EXPECT_EQ(Image(kImageMinimizedTitle).Height(), titleHeight);
  EXPECT_GT(Image(kImageFormLeftBorder).Width(), 0);
  EXPECT_GT(Image(kImageFormRightBorder).Width(), 0);
  const int bottomHeight = Image(kImageFormBottomBorder1).Height();
  EXPECT_GT(bottomHeight, 0);
  for (int index : BottomSections()) {
    EXPECT_EQ(Image(index).Height(), bottomHeight) << SkinKeyName(SkinKeyGroup::kImage, index);
  }
  if (!reader_.Flag(kFlagBottomBorderThreeSect)) {
    EXPECT_GE(Image(kImageFormBottomBorder1).Width(), 3) << "three parts";
  }
}

TEST_P(ShippedSkinTest, MetricsPlaceIconCaptionAndButtonsInsideTheTitle) {
  const int titleHeight = Image(kImageTitleBar1).Height();
  const image::Bitmap& buttons = Image(kImageTitleButtons);
  EXPECT_LE(std::max(reader_.Metric(kMetricTitleBarIconPosY), 4) + 16, titleHeight);
  EXPECT_LT(reader_.Metric(kMetricTitleBarIconPosX) + 16, Image(kImageTitleBar1).Width());
  EXPECT_LT(reader_.Metric(kMetricTitleBarCaptionTop) + 8, titleHeight);
  EXPECT_LE(reader_.Metric(kMetricTitleBarButtonPosY) + buttons.Height(), titleHeight);
  EXPECT_LE(reader_.Metric(kMetricTitleBarRegionMaxY), titleHeight - 1);
  EXPECT_LE(reader_.Metric(kMetricBottomRegionMaxY), Image(kImageFormBottomBorder1).Height() - 1);
}

// A shaped edge has transparent pixels only in the rows the program scans
// for the shape; an unshaped one has none, or the transparent colour would
// be drawn.
TEST_P(ShippedSkinTest, RegionFlagsMatchTheTransparentPixels) {
  const struct {
    int flag;
    std::vector<int> images;
    int minMetric;
    int maxMetric;
  } edges[] = {
      {kFlagTitleBarNeedRegion, TitleSections(), kMetricTitleBarRegionMinY,
       kMetricTitleBarRegionMaxY},
      {kFlagBottomBorderNeedRegion, BottomSections(), kMetricBottomRegionMinY,
       kMetricBottomRegionMaxY},
  };
  for (const auto& edge : edges) {
    bool any = false;
    for (int index : edge.images) {
      const image::Bitmap& image = Image(index);
      any = any || HasTransparentPixels(&image);
      if (reader_.Flag(edge.flag)) {
        EXPECT_TRUE(TransparentOnlyInRows(image, reader_.Metric(edge.minMetric),
                                          reader_.Metric(edge.maxMetric)))
            << SkinKeyName(SkinKeyGroup::kImage, index);
      }
    }
    EXPECT_EQ(any, reader_.Flag(edge.flag)) << SkinKeyName(SkinKeyGroup::kFlag, edge.flag);
  }
}

// Images drawn opaque must not carry the transparent colour, and images
// drawn masked say so by their flag.
TEST_P(ShippedSkinTest, TransparencyFlagsMatchTheirImages) {
  const struct {
    int flag;
    int image;
  } masked[] = {
      {kFlagTitleBtnTrans, kImageTitleButtons}, {kFlagButtonTrans, kImageButton},
      {kFlagCheckBoxTrans, kImageCheckBox},     {kFlagRadioButtonTrans, kImageRadioButton},
      {kFlagTabControlTrans, kImageTabControl},
  };
  for (const auto& m : masked) {
    EXPECT_EQ(HasTransparentPixels(&Image(m.image)), reader_.Flag(m.flag))
        << SkinKeyName(SkinKeyGroup::kFlag, m.flag);
  }
  for (int index : {kImageMinimizedTitle, kImageFormLeftBorder, kImageFormRightBorder,
                    kImageMenuBar, kImageToolBar, kImageProgressBar1, kImageProgressBar2,
                    kImageProgressBar3, kImageProgressBar4, kImageTrackBar}) {
    EXPECT_FALSE(HasTransparentPixels(&Image(index))) << SkinKeyName(SkinKeyGroup::kImage, index);
  }
}

TEST_P(ShippedSkinTest, ScrollAndProgressPiecesAreUsable) {
  const image::Bitmap& thumb = Image(kImageScrollBar);
  EXPECT_GE(thumb.Height(), 9) << "room for all five pieces";
  TvxSkinScrollBtnRes scroll;
  scroll.SetReader(&reader_);
  EXPECT_FALSE(scroll.WholeThumb());
  for (int state = 1; state <= TvxSkinScrollBtnRes::kArrowStates; ++state) {
    EXPECT_FALSE(HasTransparentPixels(&scroll.VerticalArrow(state)));
  }
  const int height = Image(kImageProgressBar1).Height();
  EXPECT_GE(height, 5) << "two kept rows at each side";
  for (int index = kImageProgressBar1; index <= kImageProgressBar4; ++index) {
    EXPECT_EQ(Image(index).Height(), height);
  }
}

INSTANTIATE_TEST_SUITE_P(All, ShippedSkinTest, ::testing::ValuesIn(kShippedSkinNames),
                         [](const auto& info) { return std::string(info.param); });

// Each skin looks its own: no two share the colour of their title bar.
TEST(ShippedSkinsTest, EachTitleBarHasItsOwnColour) {
  base::StdTempNameSource tempNames;
  TvxSkinReader reader(tempNames);
  std::set<image::ColorRef> titleColors;
  for (const char* name : kShippedSkinNames) {
    reader.Load(SkinPath(name), "");
    ASSERT_TRUE(reader.Loaded()) << name;
    const image::Bitmap* title = reader.Image(kImageTitleBar2);
    ASSERT_NE(title, nullptr) << name;
    EXPECT_TRUE(titleColors.insert(title->Pixel(title->Width() / 2, title->Height() / 2)).second)
        << name;
  }
}

TEST(ShippedSkinsTest, TheRequiredVarietyIsThere) {
  base::StdTempNameSource tempNames;
  TvxSkinReader reader(tempNames);
  int shaped = 0, fiveSections = 0, threePartBottoms = 0;
  for (const char* name : kShippedSkinNames) {
    reader.Load(SkinPath(name), "");
    ASSERT_TRUE(reader.Loaded()) << name;
    shaped += reader.Flag(kFlagTitleBarNeedRegion) || reader.Flag(kFlagBottomBorderNeedRegion);
    fiveSections += reader.Flag(kFlagTitleFiveSect);
    threePartBottoms += reader.Flag(kFlagBottomBorderThreeSect);
  }
  EXPECT_GE(shaped, 4);
  EXPECT_GE(fiveSections, 4);
  EXPECT_GE(threePartBottoms, 2);
}

}  // namespace
}  // namespace skin_test
