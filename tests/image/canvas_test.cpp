#include <gtest/gtest.h>

#include "image/canvas.h"
#include "tests/image/picture_fixture.h"

namespace image_test {
namespace {

using image::Canvas;
using image::Rect;

constexpr image::ColorRef kPaper = 0x777777;

// Stretching follows the nearest-neighbour rule the system's
// colour-on-colour stretch uses: offset * source length / destination
// length, rounded down.
TEST(CanvasTest, StretchSamplesNearestNeighbourRoundingDown) {
  const image::Bitmap source = FromRows({{1, 2, 3}});
  struct Case {
    int width;
    std::vector<image::ColorRef> expected;
  };
  for (const Case& c : {Case{3, {1, 2, 3}}, Case{4, {1, 1, 2, 3}}, Case{7, {1, 1, 1, 2, 2, 3, 3}},
                        Case{2, {1, 2}}, Case{1, {1}}}) {
    image::Bitmap target = Background(c.width, 1, kPaper);
    Canvas canvas(target);
    canvas.Stretch(source, {0, 0, 3, 1}, {0, 0, c.width, 1});
    EXPECT_EQ(RowsOf(target)[0], c.expected) << "width " << c.width;
  }
}

TEST(CanvasTest, StretchClipsToTheCanvasAndTheSource) {
  const image::Bitmap source = CoordinatePicture(4, 4);
  image::Bitmap target = Background(3, 3, kPaper);
  Canvas canvas(target);
  // Drawn from (-2, -2) to (2, 2): only the bottom-right 2 x 2 lands.
  canvas.Stretch(source, {0, 0, 4, 4}, {-2, -2, 2, 2});
  EXPECT_EQ(RowsOf(target), (PixelRows{{CoordinateColor(2, 2), CoordinateColor(3, 2), kPaper},
                                       {CoordinateColor(2, 3), CoordinateColor(3, 3), kPaper},
                                       {kPaper, kPaper, kPaper}}));

  // A source rectangle that reaches past the picture draws only what exists.
  target = Background(3, 3, kPaper);
  Canvas again(target);
  again.Stretch(source, {2, 3, 5, 6}, {0, 0, 3, 3});
  EXPECT_EQ(RowsOf(target), (PixelRows{{CoordinateColor(2, 3), CoordinateColor(3, 3), kPaper},
                                       {kPaper, kPaper, kPaper},
                                       {kPaper, kPaper, kPaper}}));
}

TEST(CanvasTest, EmptyAndInvertedRectanglesDrawNothing) {
  const image::Bitmap source = CoordinatePicture(2, 2);
  const image::Bitmap empty;
  for (const auto& [from, to] : {std::pair<Rect, Rect>{{0, 0, 0, 2}, {0, 0, 2, 2}},
                                 {{0, 0, 2, 2}, {0, 0, 2, 0}},
                                 {{2, 0, 0, 2}, {0, 0, 2, 2}},
                                 {{0, 0, 2, 2}, {2, 2, 0, 0}},
                                 {{0, 0, 2, 2}, {5, 5, 9, 9}}}) {
    image::Bitmap target = Background(2, 2, kPaper);
    Canvas canvas(target);
    canvas.Stretch(source, from, to);
    EXPECT_EQ(RowsOf(target), RowsOf(Background(2, 2, kPaper)));
  }
  image::Bitmap target = Background(2, 2, kPaper);
  Canvas canvas(target);
  canvas.Stretch(empty, {0, 0, 2, 2}, {0, 0, 2, 2});
  for (const Rect& rect : {Rect{0, 0, 0, 2}, Rect{2, 2, 0, 0}, Rect{5, 5, 9, 9}}) {
    canvas.Fill(rect, 0x123456);
  }
  EXPECT_EQ(RowsOf(target), RowsOf(Background(2, 2, kPaper)));
}

TEST(CanvasTest, MaskedStretchLeavesTheTransparentColourOut) {
  constexpr image::ColorRef kMagenta = 0xFF00FF;
  const image::Bitmap source = FromRows({{1, kMagenta}, {kMagenta, 2}});
  image::Bitmap target = Background(2, 2, kPaper);
  Canvas canvas(target);
  canvas.Stretch(source, {0, 0, 2, 2}, {0, 0, 2, 2}, kMagenta);
  EXPECT_EQ(RowsOf(target), (PixelRows{{1, kPaper}, {kPaper, 2}}));

  // The -1 of a missing colour must not make white (its low bytes) transparent.
  const image::Bitmap white = FromRows({{0xFFFFFF}});
  canvas.Stretch(white, {0, 0, 1, 1}, {0, 0, 1, 1}, 0xFFFFFFFF);
  EXPECT_EQ(target.Pixel(0, 0), 0xFFFFFFu);
}

TEST(CanvasTest, FillClipsAndIgnoresSystemColours) {
  image::Bitmap target = Background(3, 2, kPaper);
  Canvas canvas(target);
  canvas.Fill({-5, 1, 2, 9}, 0x0000FF);
  canvas.Fill({0, 0, 3, 2}, 0xFF00000F);
  EXPECT_EQ(RowsOf(target), (PixelRows{{kPaper, kPaper, kPaper}, {0x0000FF, 0x0000FF, kPaper}}));
  EXPECT_EQ(target.Row(1)[0], 0xFF0000u) << "rows hold 0x00RRGGBB";
}

// The painters will wrap a DIB section's memory, not a Bitmap.
TEST(CanvasTest, DrawsOnMemoryItDoesNotOwn) {
  uint32_t pixels[2 * 2] = {};
  Canvas canvas(pixels, 2, 2);
  canvas.Fill({1, 0, 2, 2}, 0x332211);
  EXPECT_EQ(pixels[1], 0x112233u);
  EXPECT_EQ(pixels[3], 0x112233u);
  EXPECT_EQ(pixels[0] | pixels[2], 0u);
}

}  // namespace
}  // namespace image_test
