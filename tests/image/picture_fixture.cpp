#include "tests/image/picture_fixture.h"

namespace image_test {

image::Bitmap FromRows(const PixelRows& rows) {
  const int height = static_cast<int>(rows.size());
  const int width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
  image::Bitmap bitmap(width, height, 24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bitmap.SetPixel(x, y, rows[y][x]);
    }
  }
  return bitmap;
}

PixelRows RowsOf(const image::Bitmap& bitmap) {
  PixelRows rows(bitmap.Height(), std::vector<image::ColorRef>(bitmap.Width()));
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      rows[y][x] = bitmap.Pixel(x, y);
    }
  }
  return rows;
}

image::Bitmap CoordinatePicture(int width, int height) {
  image::Bitmap bitmap(width, height, 24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bitmap.SetPixel(x, y, CoordinateColor(x, y));
    }
  }
  return bitmap;
}

image::Bitmap Background(int width, int height, image::ColorRef color) {
  image::Bitmap bitmap(width, height, 24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bitmap.SetPixel(x, y, color);
    }
  }
  return bitmap;
}

}  // namespace image_test
