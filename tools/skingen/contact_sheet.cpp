#include "tools/skingen/contact_sheet.h"

#include "image/canvas.h"
#include "skin/skin_keys.h"
#include "skin/skin_reader.h"
#include "tools/skingen/pixel_font.h"
#include "tools/skingen/sample_window.h"

namespace skingen {

namespace {

using namespace skin;

constexpr int kBlockWidth = 840;
constexpr int kBlockHeight = 290;
constexpr int kColumns = 2;
constexpr image::ColorRef kSheet = 0x3A3A3A;
constexpr image::ColorRef kLabel = 0xF0F0F0;
constexpr int kGap = 6;

// Shows transparent pixels as a light checkerboard.
void DrawOnChecker(image::Bitmap& sheet, const image::Bitmap& image, image::ColorRef transparent,
                   int left, int top) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const image::ColorRef pixel = image.Pixel(x, y);
      const bool light = ((x / 4) + (y / 4)) % 2 == 0;
      sheet.SetPixel(left + x, top + y,
                     pixel == transparent ? (light ? 0xE0E0E0 : 0xB8B8B8) : pixel);
    }
  }
}

// The images in key order, wrapped into rows within [left, right).
void DrawImages(image::Bitmap& sheet, const TvxSkinReader& reader, int left, int top, int right) {
  int x = left;
  int y = top;
  int rowHeight = 0;
  for (int index = 0; index < kImageCount; ++index) {
    const image::Bitmap* image = reader.Image(index);
    if (!image) {
      continue;
    }
    if (x + image->Width() > right && x > left) {
      x = left;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    DrawOnChecker(sheet, *image, reader.Color(kColorTrans), x, y);
    x += image->Width() + kGap;
    rowHeight = std::max(rowHeight, image->Height());
  }
}

void DrawSwatches(image::Bitmap& sheet, const TvxSkinReader& reader, int left, int top) {
  image::Canvas canvas(sheet);
  for (int index = 0; index < kColorCount; ++index) {
    const image::Rect swatch = image::RectAt(left + index * 13, top, 12, 12);
    canvas.Fill(swatch, 0x000000);
    canvas.Fill({swatch.left + 1, swatch.top + 1, swatch.right - 1, swatch.bottom - 1},
                reader.Color(index));
  }
}

void DrawBlock(image::Bitmap& sheet, const TvxSkinReader& reader, const std::string& name, int left,
               int top) {
  DrawText(sheet, left + 10, top + 8, name, kLabel, 2);
  const image::Bitmap window = SampleWindow(reader, "VEXMOOR - " + name, kSheet);
  image::Canvas(sheet).Stretch(window, image::BoundsOf(window),
                               image::RectAt(left + 10, top + 28, window.Width(), window.Height()));
  DrawImages(sheet, reader, left + window.Width() + 24, top + 10, left + kBlockWidth - 10);
  DrawSwatches(sheet, reader, left + window.Width() + 24, top + kBlockHeight - 26);
}

}  // namespace

image::Bitmap ContactSheet(const std::string& skinFolder, const std::vector<std::string>& names,
                           base::TempNameSource& tempNames) {
  const int rows = (static_cast<int>(names.size()) + kColumns - 1) / kColumns;
  image::Bitmap sheet(kBlockWidth * kColumns, kBlockHeight * rows, 24);
  image::Canvas(sheet).Fill(image::BoundsOf(sheet), kSheet);
  TvxSkinReader reader(tempNames);
  for (size_t i = 0; i < names.size(); ++i) {
    reader.Load(skinFolder + "/" + names[i] + ".ssk", "");
    const int left = static_cast<int>(i % kColumns) * kBlockWidth;
    const int top = static_cast<int>(i / kColumns) * kBlockHeight;
    if (reader.Loaded()) {
      DrawBlock(sheet, reader, names[i], left, top);
    } else {
      DrawText(sheet, left + 10, top + 8, names[i] + " MISSING", 0x0000FF, 2);
    }
  }
  return sheet;
}

}  // namespace skingen
