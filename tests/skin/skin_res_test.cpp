#include <gtest/gtest.h>

#include <vector>

#include "image/image_transforms.h"
#include "skin/skin_progress_bar_res.h"
#include "skin/skin_scroll_btn_res.h"
#include "skin/skin_tab_res.h"
#include "tests/image/picture_fixture.h"
#include "tests/skin/model_skin_fixture.h"

namespace skin_test {
namespace {

using image_test::Background;
using image_test::CoordinateColor;
using image_test::CoordinatePicture;
using image_test::FromRows;
using image_test::PixelRows;
using image_test::RowsOf;
using namespace skin;

constexpr image::ColorRef kMagenta = 0xFF00FF;
constexpr image::ColorRef kScrollBar = 0x405060;
constexpr image::ColorRef kWholeThumbColor = 0xCBCBCB;
constexpr image::ColorRef kWholeThumbMarker = 0xB23901;

// A 2-wide thumb whose rows tell their index: (0, y) is CoordinateColor(0, y).
image::Bitmap NumberedThumb(int height) {
  return CoordinatePicture(2, height);
}

std::vector<int> SourceRows(const image::Bitmap& piece) {
  std::vector<int> rows;
  for (int y = 0; y < piece.Height(); ++y) {
    rows.push_back(static_cast<int>((piece.Pixel(0, y) >> 8) & 0xFF));
  }
  return rows;
}

TEST(CutThumbTest, PiecesForATallAndAShortThumb) {
  struct Case {
    int height;
    std::vector<std::vector<int>> pieces;
  };
  const Case cases[] = {
      // f = 9: row 3 and row 30 belong to no piece; pieces 3 and 4 share row 21.
      {33,
       {{0, 1, 2},
        {4, 5, 6, 7, 8, 9, 10, 11, 12},
        {13, 14, 15, 16, 17, 18, 19, 20, 21},
        {21, 22, 23, 24, 25, 26, 27, 28, 29},
        {30, 31, 32}}},
      // f = 0: no room, the middle three pieces are the middle row.
      {8, {{0, 1, 2}, {4}, {4}, {4}, {5, 6, 7}}},
      // Shorter than two caps: the caps overlap and are cut to the picture.
      {2, {{0, 1}, {1}, {1}, {1}, {0, 1}}},
  };
  for (const Case& c : cases) {
    const auto pieces = CutThumb(NumberedThumb(c.height));
    for (int piece = 0; piece < 5; ++piece) {
      EXPECT_EQ(SourceRows(pieces[piece]), c.pieces[piece])
          << "height " << c.height << " piece " << piece + 1;
      EXPECT_EQ(pieces[piece].Width(), 2);
    }
  }
}

TEST(CutThumbTest, WholeThumbNeedsAllThreeMarks) {
  image::Bitmap marked = CoordinatePicture(4, 33);
  marked.SetPixel(1, 10, kWholeThumbMarker);
  image::Bitmap unmarked = marked;
  unmarked.SetPixel(1, 10, 0xB23902);
  image::Bitmap shortThumb = CoordinatePicture(4, 32);
  shortThumb.SetPixel(1, 10, kWholeThumbMarker);
  struct Case {
    const char* what;
    image::ColorRef scrollBar;
    const image::Bitmap& thumb;
    bool whole;
  };
  const Case cases[] = {
      {"all three", kWholeThumbColor, marked, true},
      {"another scroll-bar colour", 0xCBCBCC, marked, false},
      {"32 rows high", kWholeThumbColor, shortThumb, false},
      {"another colour at (1, 10)", kWholeThumbColor, unmarked, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsWholeThumbSkin(c.scrollBar, c.thumb), c.whole) << c.what;
  }
}

class SkinResTest : public ModelSkinTest {};

TEST_F(SkinResTest, ScrollButtonsAreCutTurnedAndPaintedInTheScrollBarColour) {
  // Up arrows: frames of 2 x 3 with a transparent first pixel.
  const image::Bitmap up =
      FromRows({{kMagenta, 2, kMagenta, 4, kMagenta, 6}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}});
  image::Bitmap thumb = NumberedThumb(33);
  thumb.SetPixel(0, 0, kMagenta);
  LoadSkin({
      ColorValue(kColorTrans, kMagenta),
      ColorValue(kColorScrollBar, kScrollBar),
      ImageValue(kImageScrollBarUpButton, up),
      ImageValue(kImageScrollBarDownButton, CoordinatePicture(9, 4)),
      ImageValue(kImageScrollBar, thumb),
  });
  TvxSkinScrollBtnRes res;
  res.SetReader(&reader_);

  EXPECT_EQ(RowsOf(res.VerticalArrow(2)), (PixelRows{{kScrollBar, 4}, {3, 4}, {3, 4}}));
  EXPECT_EQ(RowsOf(res.HorizontalArrow(2)), (PixelRows{{4, 4, 4}, {kScrollBar, 3, 3}}));
  EXPECT_EQ(RowsOf(res.VerticalArrow(6)), RowsOf(image::CopyFrame(CoordinatePicture(9, 4), 3, 3)));
  EXPECT_EQ(res.VerticalThumb(1).Pixel(0, 0), kScrollBar);
  EXPECT_EQ(RowsOf(res.HorizontalThumb(2)),
            RowsOf(image::TurnCounterClockwise(res.VerticalThumb(2))));
  EXPECT_EQ(res.ThumbWidth(), 2);
  EXPECT_FALSE(res.WholeThumb());
  EXPECT_TRUE(res.VerticalWholeThumb().IsEmpty());
}

TEST_F(SkinResTest, WholeThumbKeepsTheThumbAndATurnedCopy) {
  image::Bitmap thumb = CoordinatePicture(5, 33);
  thumb.SetPixel(1, 10, kWholeThumbMarker);
  thumb.SetPixel(0, 0, kMagenta);
  LoadSkin({
      ColorValue(kColorTrans, kMagenta),
      ColorValue(kColorScrollBar, kWholeThumbColor),
      ImageValue(kImageScrollBar, thumb),
  });
  TvxSkinScrollBtnRes res;
  res.SetReader(&reader_);
  ASSERT_TRUE(res.WholeThumb());
  EXPECT_EQ(res.VerticalWholeThumb().Height(), 33);
  EXPECT_EQ(res.VerticalWholeThumb().Pixel(0, 0), kWholeThumbColor);
  EXPECT_EQ(res.HorizontalWholeThumb().Width(), 33);
  EXPECT_EQ(res.VerticalThumb(2).Height(), 9) << "the pieces are cut all the same";
}

// Without a thumb the arrows are still painted, or the transparent colour
// would show on the bar.
TEST_F(SkinResTest, WithoutAThumbArrowsAreStillPaintedAndTheThumbIsEmpty) {
  LoadSkin({
      ColorValue(kColorTrans, kMagenta),
      ColorValue(kColorScrollBar, kScrollBar),
      ImageValue(kImageScrollBarUpButton, Background(6, 2, kMagenta)),
  });
  TvxSkinScrollBtnRes res;
  res.SetReader(&reader_);
  EXPECT_EQ(RowsOf(res.VerticalArrow(1)), RowsOf(Background(2, 2, kScrollBar)));
  EXPECT_TRUE(res.VerticalArrow(4).IsEmpty());
  EXPECT_TRUE(res.VerticalThumb(3).IsEmpty());
  EXPECT_EQ(res.ThumbWidth(), 0);
}

TEST_F(SkinResTest, ProgressBarPiecesAndEndWidths) {
  LoadSkin({
      ImageValue(kImageProgressBar1, CoordinatePicture(3, 5)),
      ImageValue(kImageProgressBar2, CoordinatePicture(1, 5)),
      ImageValue(kImageProgressBar4, CoordinatePicture(4, 5)),
  });
  TvxSkinProgressBarRes res;
  res.SetReader(&reader_);
  EXPECT_EQ(res.StartWidth(), 3);
  EXPECT_EQ(res.EndWidth(), 4);
  EXPECT_EQ(RowsOf(res.Vertical(1)), RowsOf(image::TurnCounterClockwise(CoordinatePicture(3, 5))));
  EXPECT_TRUE(res.Horizontal(3).IsEmpty());
}

TEST_F(SkinResTest, TabsInAllFourTurns) {
  const image::Bitmap strip = FromRows({{1, 2, 3, 4}, {5, 6, 7, 8}});
  LoadSkin({ImageValue(kImageTabControl, strip), ImageValue(kImageTabControlLine, strip)});
  TvxSkinTabRes res;
  res.SetReader(&reader_);
  EXPECT_EQ(RowsOf(res.SelectedTab(TabTurn::kNone)), (PixelRows{{1, 2}, {5, 6}}));
  EXPECT_EQ(RowsOf(res.OtherTab(TabTurn::kHalf)), (PixelRows{{8, 7}, {4, 3}}));
  EXPECT_EQ(RowsOf(res.OtherTab(TabTurn::kClockwise)), (PixelRows{{7, 3}, {8, 4}}));
  EXPECT_EQ(RowsOf(res.Line(TabTurn::kCounterClockwise)),
            RowsOf(image::TurnCounterClockwise(strip)));
}

// Every rebuild starts from nothing, so a resource never outlives its skin.
TEST_F(SkinResTest, RebuildWithoutASkinDropsEverything) {
  LoadSkin({
      ImageValue(kImageScrollBar, NumberedThumb(12)),
      ImageValue(kImageProgressBar1, CoordinatePicture(3, 5)),
      ImageValue(kImageTabControl, CoordinatePicture(4, 2)),
  });
  TvxSkinScrollBtnRes scroll;
  TvxSkinProgressBarRes progress;
  TvxSkinTabRes tabs;
  std::vector<TvxSkinRes*> all = {&scroll, &progress, &tabs};
  for (TvxSkinRes* res : all) {
    res->SetReader(&reader_);
  }
  ASSERT_EQ(scroll.ThumbWidth(), 2);
  reader_.Load(folder_.File("absent.ssk"), "");
  for (TvxSkinRes* res : all) {
    res->Rebuild();
  }
  EXPECT_TRUE(scroll.VerticalThumb(1).IsEmpty());
  EXPECT_EQ(scroll.ThumbWidth(), 0);
  EXPECT_EQ(progress.StartWidth(), 0);
  EXPECT_TRUE(tabs.SelectedTab(TabTurn::kNone).IsEmpty());

  for (TvxSkinRes* res : all) {
    res->SetReader(nullptr);
  }
  EXPECT_TRUE(progress.Horizontal(1).IsEmpty());
}

}  // namespace
}  // namespace skin_test
