#include "tools/skingen/contact_sheet.h"

#include "skin/canvas.h"
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
constexpr ColorRef kSheet = 0x3A3A3A;
constexpr ColorRef kLabel = 0xF0F0F0;
constexpr int kGap = 6;

// Shows transparent pixels as a light checkerboard.
void DrawOnChecker(Bitmap& sheet, const Bitmap& image, ColorRef transparent, int left, int top) {
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const ColorRef pixel = image.Pixel(x, y);
      const bool light = ((x / 4) + (y / 4)) % 2 == 0;
      sheet.SetPixel(left + x, top + y,
                     pixel == transparent ? (light ? 0xE0E0E0 : 0xB8B8B8) : pixel);
    }
  }
}

// The images in key order, wrapped into rows within [left, right).
void DrawImages(Bitmap& sheet, const TvxSkinReader& reader, int left, int top, int right) {
  int x = left;
  int y = top;
  int row_height = 0;
  for (int index = 0; index < kImageCount; ++index) {
    const Bitmap* image = reader.Image(index);
    if (!image) {
      continue;
    }
    if (x + image->Width() > right && x > left) {
      x = left;
      y += row_height + kGap;
      row_height = 0;
    }
    DrawOnChecker(sheet, *image, reader.Color(kColorTrans), x, y);
    x += image->Width() + kGap;
    row_height = std::max(row_height, image->Height());
  }
}

void DrawSwatches(Bitmap& sheet, const TvxSkinReader& reader, int left, int top) {
  Canvas canvas(sheet);
  for (int index = 0; index < kColorCount; ++index) {
    const Rect swatch = RectAt(left + index * 13, top, 12, 12);
    canvas.Fill(swatch, 0x000000);
    canvas.Fill({swatch.left + 1, swatch.top + 1, swatch.right - 1, swatch.bottom - 1},
                reader.Color(index));
  }
}

void DrawBlock(Bitmap& sheet, const TvxSkinReader& reader, const std::string& name, int left,
               int top) {
  DrawText(sheet, left + 10, top + 8, name, kLabel, 2);
  const Bitmap window = SampleWindow(reader, "VEXMOOR - " + name, kSheet);
  Canvas(sheet).Stretch(window, BoundsOf(window),
                        RectAt(left + 10, top + 28, window.Width(), window.Height()));
  DrawImages(sheet, reader, left + window.Width() + 24, top + 10, left + kBlockWidth - 10);
  DrawSwatches(sheet, reader, left + window.Width() + 24, top + kBlockHeight - 26);
}

}  // namespace

Bitmap ContactSheet(const std::string& skin_folder, const std::vector<std::string>& names,
                    TempNameSource& temp_names) {
  const int rows = (static_cast<int>(names.size()) + kColumns - 1) / kColumns;
  Bitmap sheet(kBlockWidth * kColumns, kBlockHeight * rows, 24);
  Canvas(sheet).Fill(BoundsOf(sheet), kSheet);
  TvxSkinReader reader(temp_names);
  for (size_t i = 0; i < names.size(); ++i) {
    reader.Load(skin_folder + "/" + names[i] + ".ssk", "");
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
