#include <gtest/gtest.h>

#include <optional>

#include "image/image_drawing.h"
#include "image/image_transforms.h"
#include "tests/image/picture_fixture.h"

namespace image_test {
namespace {

using image::Bitmap;
using image::Canvas;
using image::Rect;

constexpr image::ColorRef kPaper = 0x777777;
constexpr image::ColorRef kMagenta = 0xFF00FF;

// Where one axis of a centre-split nine-part drawing samples: corners at
// their own size cut to half the destination, the middle pixel (odd sizes
// only) stretched between them. nullopt: nothing is drawn there.
std::optional<int> NinePartSource(int source, int destination, int offset) {
  const int corner = std::min(source / 2, destination / 2);
  if (offset < corner) {
    return offset;
  }
  if (offset >= destination - corner) {
    return source - (destination - offset);
  }
  if (source % 2 == 0) {
    return std::nullopt;
  }
  return source / 2;
}

struct NinePartCase {
  int sourceWidth, sourceHeight, width, height;
};

TEST(DrawNinePartTest, SplitsAtTheCentreForOddAndEvenSizes) {
  const NinePartCase cases[] = {
      {21, 21, 100, 40},  // corners 10 x 10, 1-pixel middle row and column stretched
      {20, 21, 100, 40},  // even width: no top, bottom or centre, only side edges
      {21, 20, 30, 30},   // even height: no side edges or centre
      {21, 21, 12, 7},    // corners cut to the destination's quarters
      {21, 21, 21, 21},   // its own size: a plain copy
      {3, 3, 1, 1},       // a 1 x 1 destination gets the middle pixel
  };
  for (const NinePartCase& c : cases) {
    const Bitmap source = CoordinatePicture(c.sourceWidth, c.sourceHeight);
    Bitmap target = Background(c.width + 4, c.height + 4, kPaper);
    Canvas canvas(target);
    image::DrawNinePart(source, canvas, image::RectAt(2, 2, c.width, c.height), kMagenta, false);
    for (int y = 0; y < target.Height(); ++y) {
      for (int x = 0; x < target.Width(); ++x) {
        const bool inside = x >= 2 && y >= 2 && x < c.width + 2 && y < c.height + 2;
        const auto sx = NinePartSource(c.sourceWidth, c.width, x - 2);
        const auto sy = NinePartSource(c.sourceHeight, c.height, y - 2);
        const image::ColorRef expected = inside && sx && sy ? CoordinateColor(*sx, *sy) : kPaper;
        ASSERT_EQ(target.Pixel(x, y), expected)
            << c.sourceWidth << "x" << c.sourceHeight << " into " << c.width << "x" << c.height
            << " at (" << x << ", " << y << ")";
      }
    }
  }
}

TEST(DrawNinePartTest, SpotChecksOfTheWideCase) {
  const Bitmap source = CoordinatePicture(21, 21);
  Bitmap target = Background(100, 40, kPaper);
  Canvas canvas(target);
  image::DrawNinePart(source, canvas, {0, 0, 100, 40}, kMagenta, false);
  EXPECT_EQ(target.Pixel(9, 9), CoordinateColor(9, 9));
  EXPECT_EQ(target.Pixel(90, 30), CoordinateColor(11, 11));
  EXPECT_EQ(target.Pixel(50, 0), CoordinateColor(10, 0));
  EXPECT_EQ(target.Pixel(0, 20), CoordinateColor(0, 10));
  EXPECT_EQ(target.Pixel(50, 20), CoordinateColor(10, 10));
  EXPECT_EQ(target.Pixel(99, 39), CoordinateColor(20, 20));
}

TEST(DrawNinePartTest, CornersAreMaskedOnlyOnRequestEdgesAlways) {
  // Transparent pixels in a corner (0, 0) and on the top edge (1, 0).
  const Bitmap source = FromRows({{kMagenta, kMagenta, 3}, {4, 5, 6}, {7, 8, 9}});
  for (bool masked : {false, true}) {
    Bitmap target = Background(5, 3, kPaper);
    Canvas canvas(target);
    image::DrawNinePart(source, canvas, {0, 0, 5, 3}, kMagenta, masked);
    EXPECT_EQ(RowsOf(target)[0], (std::vector<image::ColorRef>{masked ? kPaper : kMagenta, kPaper,
                                                               kPaper, kPaper, 3}));
    EXPECT_EQ(RowsOf(target)[1], (std::vector<image::ColorRef>{4, 5, 5, 5, 6}));
  }
}

TEST(DrawNinePartTest, NoHeightOrNoSourceDrawsNothing) {
  Bitmap target = Background(4, 4, kPaper);
  Canvas canvas(target);
  image::DrawNinePart(CoordinatePicture(3, 3), canvas, {0, 0, 4, 0}, kMagenta, false);
  image::DrawNinePart(CoordinatePicture(3, 3), canvas, {4, 0, 0, 4}, kMagenta, false);
  image::DrawNinePart(Bitmap(), canvas, {0, 0, 4, 4}, kMagenta, false);
  EXPECT_EQ(RowsOf(target), RowsOf(Background(4, 4, kPaper)));
}

TEST(DrawThreePartHTest, EndsAtTheirSizeMiddleStretchedNarrowGetsTheCutFirstPart) {
  // Three parts of 3 columns; the 10th column is not part of any.
  const Bitmap source = FromRows({{1, 2, 3, 4, 5, 6, 7, 8, 9, 99}});
  struct Case {
    int width;
    std::vector<image::ColorRef> expected;
  };
  const Case cases[] = {
      {10, {1, 2, 3, 4, 4, 5, 6, 7, 8, 9}},
      {6, {1, 2, 3, 7, 8, 9}},
      {3, {7, 8, 9}},  // part 3 drawn after part 1, at the same place
      {2, {1, 2}},
      {1, {1}},
  };
  for (const Case& c : cases) {
    Bitmap target = Background(c.width, 2, kPaper);
    Canvas canvas(target);
    image::DrawThreePartH(source, canvas, {0, 0, c.width, 2}, kMagenta, false);
    EXPECT_EQ(RowsOf(target)[0], c.expected) << "width " << c.width;
    EXPECT_EQ(RowsOf(target)[1], std::vector<image::ColorRef>(c.width, kPaper))
        << "the source's height, not the rectangle's";
  }
}

TEST(DrawThreePartHTest, MasksOnlyWhenAsked) {
  const Bitmap source = FromRows({{kMagenta, 2, 3}});
  for (bool masked : {false, true}) {
    Bitmap target = Background(2, 1, kPaper);
    Canvas canvas(target);
    image::DrawThreePartH(source, canvas, {0, 0, 2, 1}, kMagenta, masked);
    EXPECT_EQ(target.Pixel(0, 0), masked ? kPaper : kMagenta);
  }
}

TEST(CopyThreePartTest, VerticalKeepsCapsStretchesTheRestAndCutsCaps) {
  // Rows 0-8 of a 2-wide picture, stretched across to 4 columns.
  const Bitmap source = CoordinatePicture(2, 9);
  struct Case {
    int height;
    int cap;
    std::vector<int> sourceRows;
  };
  const Case cases[] = {
      {12, 2, {0, 1, 2, 2, 3, 3, 4, 5, 5, 6, 7, 8}},
      {9, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8}},  // 0: a third of the source height
      {5, 3, {0, 1, 2, 7, 8}},              // no room for the middle: bottom cap cut
      {2, 3, {0, 1}},                       // lower than a cap
  };
  for (const Case& c : cases) {
    Bitmap target = Background(4, c.height, kPaper);
    Canvas canvas(target);
    image::CopyThreePartV(source, canvas, {0, 0, 4, c.height}, c.cap);
    for (int y = 0; y < c.height; ++y) {
      EXPECT_EQ(RowsOf(target)[y],
                (std::vector<image::ColorRef>{
                    CoordinateColor(0, c.sourceRows[y]), CoordinateColor(0, c.sourceRows[y]),
                    CoordinateColor(1, c.sourceRows[y]), CoordinateColor(1, c.sourceRows[y])}))
          << "height " << c.height << " row " << y;
    }
  }
}

TEST(CopyThreePartTest, HorizontalKeepsCapsAcross) {
  const Bitmap source = FromRows({{1, 2, 3, 4, 5, 6}});
  Bitmap target = Background(8, 2, kPaper);
  Canvas canvas(target);
  image::CopyThreePartH(source, canvas, {0, 0, 8, 2}, 2);
  const std::vector<image::ColorRef> row = {1, 2, 3, 3, 4, 4, 5, 6};
  EXPECT_EQ(RowsOf(target), (PixelRows{row, row}));
}

TEST(CopyThreePartTest, ANegativeLeftEdgeDrawsNothing) {
  Bitmap target = Background(4, 4, kPaper);
  Canvas canvas(target);
  image::CopyThreePartV(CoordinatePicture(3, 3), canvas, {-1, 0, 4, 4}, 1);
  image::CopyThreePartH(CoordinatePicture(3, 3), canvas, {-1, 0, 4, 4}, 1);
  EXPECT_EQ(RowsOf(target), RowsOf(Background(4, 4, kPaper)));
}

TEST(TurnTest, TurnsMovePixelsAsTheirRulesSay) {
  const Bitmap source = FromRows({{1, 2, 3}, {4, 5, 6}});
  struct Case {
    const char* name;
    Bitmap (*turn)(const Bitmap&);
    PixelRows expected;
  };
  const Case cases[] = {
      {"counter-clockwise", image::TurnCounterClockwise, {{3, 6}, {2, 5}, {1, 4}}},
      {"half", image::TurnHalf, {{6, 5, 4}, {3, 2, 1}}},
      {"clockwise", image::TurnClockwise, {{4, 1}, {5, 2}, {6, 3}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RowsOf(c.turn(source)), c.expected) << c.name;
  }
  EXPECT_TRUE(image::TurnClockwise(Bitmap()).IsEmpty());
}

TEST(CopyFrameTest, CutsOneFrameOfAStripAndNothingOutsideIt) {
  // Three frames of 2 columns; the 7th column belongs to none.
  const Bitmap strip = FromRows({{1, 2, 3, 4, 5, 6, 7}});
  EXPECT_EQ(RowsOf(image::CopyFrame(strip, 3, 1)), (PixelRows{{1, 2}}));
  EXPECT_EQ(RowsOf(image::CopyFrame(strip, 3, 3)), (PixelRows{{5, 6}}));
  for (auto [count, frame] : {std::pair{3, 0}, {3, 4}, {0, 1}, {-1, 1}}) {
    EXPECT_TRUE(image::CopyFrame(strip, count, frame).IsEmpty()) << count << " " << frame;
  }
}

TEST(ReplaceColorTest, ReplacesOnlyPlainMatchesAndMakes24Bits) {
  Bitmap image = FromRows({{kMagenta, 0xFFFFFF}});
  image.ConvertTo24BitsPerPixel();
  image::ReplaceColor(image, kMagenta, 0x00CBCBCB);
  EXPECT_EQ(RowsOf(image), (PixelRows{{0xCBCBCB, 0xFFFFFF}}));
  // A missing colour (-1) must not hit white.
  image::ReplaceColor(image, 0xFFFFFFFF, 0);
  EXPECT_EQ(image.Pixel(1, 0), 0xFFFFFFu);
  EXPECT_EQ(image.BitsPerPixel(), 24);
}

}  // namespace
}  // namespace image_test
