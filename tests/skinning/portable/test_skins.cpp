#include "tests/skinning/portable/test_skins.h"

#include "image/bitmap.h"
#include "skin/skin_keys.h"
#include "tests/support/bmp_fixture.h"

namespace skinning_test {

namespace {

using namespace skin;

image::Bitmap Solid(int width, int height, uint32_t color) {
  image::Bitmap picture(width, height, 24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.SetPixel(x, y, color);
    }
  }
  return picture;
}

// Cuts `kCornerRows` rows from `firstRow` on: the first by kCornerRows
// pixels, each next one by one less; from the left end, the right end or
// both.
void CutCorners(image::Bitmap& picture, int firstRow, int step, bool left, bool right) {
  for (int row = 0; row < kCornerRows; ++row) {
    const int y = firstRow + row * step;
    for (int x = 0; x < kCornerRows - row; ++x) {
      if (left) {
        picture.SetPixel(x, y, kTransparent);
      }
      if (right) {
        picture.SetPixel(picture.Width() - 1 - x, y, kTransparent);
      }
    }
  }
}

skintools::SkinValue Image(int index, const image::Bitmap& picture) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < picture.Height(); ++y) {
    pixels.insert(pixels.end(), picture.Row(y), picture.Row(y) + picture.Width());
  }
  return skintools::BitmapValue(SkinKeyName(SkinKeyGroup::kImage, index),
                                test_support::MakeBmp24(picture.Width(), picture.Height(), pixels));
}

skintools::SkinValue Color(int index, uint32_t color) {
  return skintools::IntegerValue(SkinKeyName(SkinKeyGroup::kColor, index),
                                 static_cast<int32_t>(color));
}

skintools::SkinValue Metric(int index, int32_t value) {
  return skintools::IntegerValue(SkinKeyName(SkinKeyGroup::kMetric, index), value);
}

skintools::SkinValue Flag(int index, bool value) {
  return skintools::ByteValue(SkinKeyName(SkinKeyGroup::kFlag, index), value ? 1 : 0);
}

image::Bitmap ButtonStrip() {
  image::Bitmap strip(kButtonWidth * kTitleButtonFrames, kButtonHeight, 24);
  for (int frame = 1; frame <= kTitleButtonFrames; ++frame) {
    for (int y = 0; y < kButtonHeight; ++y) {
      for (int x = 0; x < kButtonWidth; ++x) {
        strip.SetPixel((frame - 1) * kButtonWidth + x, y, ButtonFrameColor(frame));
      }
    }
  }
  return strip;
}

// Frames side by side, each drawn by `pixel(frame, x, y)`.
template <class Pixel>
image::Bitmap Strip(int frames, int width, int height, Pixel pixel) {
  image::Bitmap strip(frames * width, height, 24);
  for (int frame = 1; frame <= frames; ++frame) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        strip.SetPixel((frame - 1) * width + x, y, pixel(frame, x, y));
      }
    }
  }
  return strip;
}

image::Bitmap ButtonFaces() {
  return Strip(3, kFaceSize, kFaceSize, [](int frame, int x, int y) {
    constexpr int half = kFaceSize / 2;
    if (x == 0 && y == 0) {
      return kTransparent;
    }
    if (x == half && y == half) {
      return FaceCentreColor(frame);
    }
    return x == half || y == half ? FaceEdgeColor(frame) : FaceCornerColor(frame);
  });
}

// The piece of the scroll-bar thumb a row is cut into; the row the grip
// and the lower filler share goes to the filler.
int ThumbPieceOfRow(int y) {
  const int f = (kThumbHeight - 6) / 3;
  if (y < 4) {
    return 1;
  }
  if (y < f + 4) {
    return 2;
  }
  if (y < kThumbHeight - f - 3) {
    return 3;
  }
  return y < kThumbHeight - 3 ? 4 : 5;
}

std::vector<skintools::SkinValue> ControlValues() {
  auto solid = [](uint32_t (*color)(int)) {
    return [color](int frame, int, int) { return color(frame); };
  };
  std::vector<skintools::SkinValue> values = {
      Image(kImageButton, ButtonFaces()),
      Image(kImageCheckBox, Strip(6, kCheckBoxSize, kCheckBoxSize, solid(CheckBoxFrameColor))),
      Image(kImageRadioButton, Strip(4, kRadioSize, kRadioSize, solid(RadioFrameColor))),
      Image(kImageScrollBarUpButton, Strip(3, 16, 16, solid(ScrollArrowColor))),
      Image(kImageScrollBarDownButton,
            Strip(3, 16, 16, [](int frame, int, int) { return ScrollArrowColor(frame + 3); })),
      Image(kImageScrollBar,
            Strip(1, kThumbWidth, kThumbHeight,
                  [](int, int, int y) { return ThumbPieceColor(ThumbPieceOfRow(y)); })),
      Color(kColorControl, kControlColor),
      Color(kColorControlBorder, kControlBorderColor),
      Color(kColorButtonFont, kButtonFontColor),
      Color(kColorScrollBar, kScrollBarColor),
      Flag(kFlagButtonTrans, true),
  };
  const int widths[] = {kProgressStart, kProgressPart, kProgressPart, kProgressEnd};
  for (int piece = 1; piece <= 4; ++piece) {
    values.push_back(Image(kImageProgressBar1 + piece - 1,
                           Solid(widths[piece - 1], kProgressHeight, ProgressPieceColor(piece))));
  }
  return values;
}

std::vector<skintools::SkinValue> SkinValues(bool shaped) {
  image::Bitmap left = Solid(kTitleLeftWidth, kTitleHeight, kTitleLeftColor);
  image::Bitmap right = Solid(kTitleRightWidth, kTitleHeight, kTitleRightColor);
  image::Bitmap bottom = Solid(kBottomStripWidth, kBottomBorder, kBottomColor);
  if (shaped) {
    CutCorners(left, 0, 1, true, false);
    CutCorners(right, 0, 1, false, true);
    CutCorners(bottom, kBottomBorder - 1, -1, true, true);
  }
  std::vector<skintools::SkinValue> values = {
      Image(kImageTitleBar1, left),
      Image(kImageTitleBar2, Solid(kTitleFillWidth, kTitleHeight, kTitleFillColor)),
      Image(kImageTitleBar3, right),
      Image(kImageFormLeftBorder, Solid(kLeftBorder, 4, kLeftBorderColor)),
      Image(kImageFormRightBorder, Solid(kRightBorder, 4, kRightBorderColor)),
      Image(kImageFormBottomBorder1, bottom),
      Image(kImageMinimizedTitle, Solid(20, kTitleHeight, kTitleFillColor)),
      Image(kImageTitleButtons, ButtonStrip()),
      Image(kImageCheckedMenuIcon, Solid(12, 12, kCheckMarkColor)),
      Color(kColorTrans, kTransparent),
      Color(kColorTitleFont, kTitleFontColor),
      Color(kColorForm, kFormColor),
      Color(kColorControlFont, kControlFontColor),
      Metric(kMetricTitleBarIconPosX, kIconX),
      Metric(kMetricTitleBarIconPosY, kIconY),
      Metric(kMetricTitleBarCaptionTop, kCaptionTop),
      Metric(kMetricTitleBarButtonPosX, kButtonX),
      Metric(kMetricTitleBarButtonPosY, kButtonY),
      Metric(kMetricTitleBarRegionMinY, 0),
      Metric(kMetricTitleBarRegionMaxY, shaped ? kCornerRows : 0),
      Metric(kMetricBottomRegionMinY, shaped ? kBottomBorder - kCornerRows : 0),
      Metric(kMetricBottomRegionMaxY, shaped ? kBottomBorder - 1 : 0),
      Flag(kFlagTitleBarNeedRegion, shaped),
      Flag(kFlagBottomBorderNeedRegion, shaped),
      Flag(kFlagTitleBtnTrans, true),
  };
  for (int index = kColorMenuBarStart; index <= kColorSelectedMenuFont; ++index) {
    values.push_back(Color(index, MenuColor(index)));
  }
  for (skintools::SkinValue& value : ControlValues()) {
    values.push_back(std::move(value));
  }
  return values;
}

}  // namespace

std::vector<skintools::SkinValue> PlainSkinValues() {
  return SkinValues(false);
}

std::vector<skintools::SkinValue> ShapedSkinValues() {
  return SkinValues(true);
}

}  // namespace skinning_test
