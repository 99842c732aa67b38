#include <gtest/gtest.h>

#include <vector>

#include "skinning/frames/frame_picture.h"
#include "tests/skin/model_skin_fixture.h"
#include "tests/skinning/portable/test_skins.h"

namespace skinning {
namespace {

using namespace skinning_test;

constexpr int kWidth = 200;
constexpr int kHeight = 120;

// A window of the test skins' frame, composed on a canvas as the frame
// painter composes it.
class FramePictureTest : public skin_test::ModelSkinTest {
 protected:
  void Compose(const std::vector<skintools::SkinValue>& values, FrameGeometry geometry = Plain()) {
    LoadSkin(values);
    metrics_ = ReadSkinMetrics(reader_);
    geometry_ = geometry;
    window_ = image::Bitmap(geometry.width, geometry.height, 24);
    image::Canvas canvas(window_);
    TitleBarState state;
    state.width = geometry.width;
    state.buttons = {true, false, true, false};
    layout_ = LayoutTitleBar(metrics_, state);
    const FramePicture picture(reader_, metrics_);
    picture.DrawTitleBar(canvas, geometry, layout_, layout_.captionLeft + 30);
    picture.DrawBorders(canvas, geometry);
    picture.DrawCaptionButtons(canvas, layout_);
  }

  static FrameGeometry Plain() {
    FrameGeometry geometry;
    geometry.width = kWidth;
    geometry.height = kHeight;
    geometry.titleRows = kTitleHeight;
    geometry.menuBarTop = kTitleHeight;
    return geometry;
  }

  image::ColorRef At(int x, int y) const { return window_.Pixel(x, y); }

  SkinMetrics metrics_;
  FrameGeometry geometry_;
  TitleBarLayout layout_;
  image::Bitmap window_;
};

TEST_F(FramePictureTest, TitleEndsBordersAndButtonsWhereTheSkinPutsThem) {
  Compose(PlainSkinValues());
  struct Case {
    const char* part;
    int x;
    int y;
    image::ColorRef color;
  };
  const Case cases[] = {
      {"left end", 0, 0, kTitleLeftColor},
      {"left end's last column", kTitleLeftWidth - 1, kTitleHeight - 1, kTitleLeftColor},
      {"filler", kTitleLeftWidth, 10, kTitleFillColor},
      {"filler's last column", kWidth - kTitleRightWidth - 1, 10, kTitleFillColor},
      {"right end", kWidth - kTitleRightWidth, 10, kTitleRightColor},
      {"close button", kWidth - kButtonX - kButtonWidth, kButtonY, ButtonFrameColor(16)},
      {"minimize button", kWidth - kButtonX - 2 * kButtonWidth - 2, kButtonY, ButtonFrameColor(13)},
      {"left border", 0, kTitleHeight, kLeftBorderColor},
      {"left border's last column", kLeftBorder - 1, kHeight - kBottomBorder - 1, kLeftBorderColor},
      {"right border", kWidth - 1, kTitleHeight, kRightBorderColor},
      {"right padding", kWidth - 4, kTitleHeight + 5, kFormColor},
      {"right padding's inner column", kWidth - kRightBorder - 1, 60, kFormColor},
      {"bottom border", kWidth / 2, kHeight - kBottomBorder, kBottomColor},
      {"bottom border's corner", 0, kHeight - 1, kBottomColor},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.color, At(c.x, c.y)) << c.part;
  }
  // The client area is not the frame's to paint.
  EXPECT_EQ(0u, At(kLeftBorder, kTitleHeight));
  EXPECT_EQ(0u, At(kWidth - 5, kHeight - kBottomBorder - 1));
}

TEST_F(FramePictureTest, TitleRowsBelowTheImagesShowTheFormColour) {
  FrameGeometry geometry = Plain();
  geometry.titleRows = kTitleHeight + 4;
  Compose(PlainSkinValues(), geometry);
  EXPECT_EQ(kTitleLeftColor, At(5, kTitleHeight - 1));
  EXPECT_EQ(kFormColor, At(5, kTitleHeight));
  EXPECT_EQ(kFormColor, At(kWidth - 1, kTitleHeight + 3));
  EXPECT_EQ(kLeftBorderColor, At(0, kTitleHeight + 4));
}

TEST_F(FramePictureTest, TooNarrowForTheButtonsTheLeftEndTakesTheRoom) {
  FrameGeometry geometry = Plain();
  geometry.width = 70;  // less the 2 buttons' 49 pixels: below the left end's 40
  Compose(PlainSkinValues(), geometry);
  EXPECT_EQ(kTitleLeftColor, At(0, 10));
  EXPECT_EQ(kTitleLeftColor, At(70 - kTitleRightWidth - 1, 20));
  EXPECT_EQ(kTitleRightColor, At(70 - kTitleRightWidth, 20));
}

TEST_F(FramePictureTest, PaddingBesideTheMenuBarTakesItsColourAndEtchedLine) {
  FrameGeometry geometry = Plain();
  geometry.menuBarHeight = 20;
  Compose(PlainSkinValues(), geometry);
  const int right = kWidth - 3;  // inside the padding of the 2-pixel right border
  EXPECT_EQ(MenuColor(skin::kColorMenuBarStart), At(right, kTitleHeight));
  EXPECT_EQ(0x808080u, At(right, kTitleHeight + 18));
  EXPECT_EQ(0xFFFFFFu, At(right, kTitleHeight + 19));
  EXPECT_EQ(kFormColor, At(right, kTitleHeight + 20));
}

std::vector<image::Rect> Row(const std::vector<image::Rect>& shape, int y) {
  std::vector<image::Rect> runs;
  for (const image::Rect& rect : shape) {
    if (rect.top <= y && y < rect.bottom) {
      runs.push_back(rect);
    }
  }
  return runs;
}

TEST_F(FramePictureTest, ShapeCutsTheCornersOfTitleAndBottomRowByRow) {
  Compose(ShapedSkinValues());
  const std::vector<image::Rect> shape = WindowShape(metrics_, image::Canvas(window_), geometry_);
  struct Case {
    int y;
    int left;
    int right;
  };
  const Case cases[] = {
      {0, 3, kWidth - 3},
      {1, 2, kWidth - 2},
      {2, 1, kWidth - 1},
      {3, 0, kWidth},  // the last scanned row, whole: a run up to the last column counts
      {kTitleHeight - 1, 0, kWidth},
      {kHeight / 2, 0, kWidth},
      {kHeight - 4, 0, kWidth},
      {kHeight - 3, 1, kWidth - 1},
      {kHeight - 1, 3, kWidth - 3},
  };
  for (const Case& c : cases) {
    const std::vector<image::Rect> runs = Row(shape, c.y);
    ASSERT_EQ(1u, runs.size()) << "row " << c.y;
    EXPECT_EQ(c.left, runs[0].left) << "row " << c.y;
    EXPECT_EQ(c.right, runs[0].right) << "row " << c.y;
  }
  // Every row of the window is covered once.
  int rows = 0;
  for (const image::Rect& rect : shape) {
    rows += rect.Height();
  }
  EXPECT_EQ(kHeight, rows);
}

TEST_F(FramePictureTest, SkinWithoutShapeFlagsLeavesTheWindowRectangular) {
  Compose(PlainSkinValues());
  EXPECT_TRUE(WindowShape(metrics_, image::Canvas(window_), geometry_).empty());
}

TEST_F(FramePictureTest, TransparentPixelsOfAShapedFrameShowTheFormColour) {
  Compose(ShapedSkinValues());
  image::Canvas canvas(window_);
  FramePicture(reader_, metrics_).FillTransparentPixels(canvas, geometry_);
  EXPECT_EQ(kFormColor, At(0, 0));
  EXPECT_EQ(kFormColor, At(kWidth - 1, 0));
  EXPECT_EQ(kFormColor, At(0, kHeight - 1));
  EXPECT_EQ(kTitleLeftColor, At(3, 0));
}

}  // namespace
}  // namespace skinning
