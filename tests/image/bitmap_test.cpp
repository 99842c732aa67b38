#include <gtest/gtest.h>

#include "image/bitmap.h"

namespace image_test {
namespace {

// Callers speak colour numbers (red lowest); the rows a painter hands to the
// system hold 0x00RRGGBB. Mixing the two up swaps red and blue on screen.
TEST(BitmapTest, PixelsSpeakColorNumbersRowsHoldDibPixels) {
  image::Bitmap bitmap(3, 2, 24);
  bitmap.SetPixel(2, 1, 0x00332211);  // red 0x11, green 0x22, blue 0x33
  EXPECT_EQ(bitmap.Row(1)[2], 0x112233u);
  EXPECT_EQ(bitmap.Pixel(2, 1), 0x332211u);
  EXPECT_EQ(bitmap.Pixel(0, 0), 0u) << "a new bitmap is black";
}

TEST(BitmapTest, OutsideThePictureNothingIsReadOrWritten) {
  image::Bitmap bitmap(2, 2, 24);
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}}) {
    EXPECT_EQ(bitmap.Pixel(x, y), image::kInvalidColor);
    bitmap.SetPixel(x, y, 0xFFFFFF);
  }
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(bitmap.Row(y)[0] | bitmap.Row(y)[1], 0u);
  }
}

}  // namespace
}  // namespace image_test
