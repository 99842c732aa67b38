#include "skinning/frames/frame_picture.h"

#include <algorithm>

#include "image/image_drawing.h"
#include "image/image_transforms.h"

namespace skinning {

namespace {

using namespace skin;

constexpr image::ColorRef kEtchedShadow = 0x808080;
constexpr image::ColorRef kEtchedLight = 0xFFFFFF;
constexpr int kMinBorder = 4;

// The rows [first, last] of a part `height` rows high that the skin's
// region metrics name; all rows when the minimum is not below the maximum.
struct ScannedRows {
  int first;
  int last;
};

ScannedRows RowsToScan(int minimum, int maximum, int height) {
  if (minimum >= maximum) {
    return {0, height - 1};
  }
  return {std::clamp(minimum, 0, height), std::min(maximum, height - 1)};
}

void AddRow(std::vector<image::Rect>& shape, const image::Canvas& frame, int y,
            image::ColorRef transparent) {
  const uint32_t hole = image::PixelFromColor(transparent);
  const uint32_t* row = frame.Row(y);
  int x = 0;
  while (x < frame.Width()) {
    while (x < frame.Width() && row[x] == hole) {
      ++x;
    }
    const int start = x;
    while (x < frame.Width() && row[x] != hole) {
      ++x;
    }
    if (x > start) {
      shape.push_back({start, y, x, y + 1});
    }
  }
}

void AddWhole(std::vector<image::Rect>& shape, int width, int top, int bottom) {
  if (bottom > top) {
    shape.push_back({0, top, width, bottom});
  }
}

// A part of `height` rows from `top`: whole rows above and below the
// scanned ones, the scanned ones cut to their runs.
void AddScannedPart(std::vector<image::Rect>& shape, const image::Canvas& frame, int top,
                    int height, ScannedRows rows, image::ColorRef transparent) {
  AddWhole(shape, frame.Width(), top, top + rows.first);
  for (int y = rows.first; y <= rows.last; ++y) {
    AddRow(shape, frame, top + y, transparent);
  }
  AddWhole(shape, frame.Width(), top + std::max(rows.last + 1, rows.first), top + height);
}

void ReplaceRows(image::Canvas& canvas, int top, int bottom, image::ColorRef from,
                 image::ColorRef to) {
  const uint32_t hole = image::PixelFromColor(from);
  const uint32_t fill = image::PixelFromColor(to);
  for (int y = std::max(top, 0); y < std::min(bottom, canvas.Height()); ++y) {
    uint32_t* row = canvas.Row(y);
    std::replace(row, row + canvas.Width(), hole, fill);
  }
}

}  // namespace

int FramePicture::Width(int index) const {
  const image::Bitmap* picture = Image(index);
  return picture ? picture->Width() : 0;
}

void FramePicture::Stretch(image::Canvas& canvas, int index, const image::Rect& to) const {
  if (const image::Bitmap* picture = Image(index)) {
    canvas.Stretch(*picture, image::BoundsOf(*picture), to);
  }
}

void FramePicture::DrawTitleBar(image::Canvas& canvas, const FrameGeometry& geometry,
                                const TitleBarLayout& layout, int captionEnd) const {
  const int width = geometry.width;
  const int height = metrics_.titleHeight;
  canvas.Fill({0, 0, width, geometry.titleRows}, metrics_.formColor);
  if (geometry.minimized) {
    Stretch(canvas, kImageMinimizedTitle, {0, 0, width, geometry.titleRows});
    return;
  }
  const int rightEnd = metrics_.fiveSectionTitle ? kImageTitleBar5 : kImageTitleBar3;
  const int rightLeft = width - Width(rightEnd);
  const int leftWidth = Width(kImageTitleBar1);
  Stretch(canvas, rightEnd, {rightLeft, 0, width, height});
  // Too narrow for the buttons beside the left end: the left end takes all
  // the room there is.
  if (width - layout.buttonSpace < leftWidth) {
    Stretch(canvas, kImageTitleBar1, {0, 0, rightLeft, height});
    return;
  }
  Stretch(canvas, kImageTitleBar1, {0, 0, leftWidth, height});
  DrawTitleMiddle(canvas, leftWidth, rightLeft, captionEnd);
}

void FramePicture::DrawTitleMiddle(image::Canvas& canvas, int left, int right,
                                   int captionEnd) const {
  const int height = metrics_.titleHeight;
  if (!metrics_.fiveSectionTitle) {
    Stretch(canvas, kImageTitleBar2, {left, 0, right, height});
    return;
  }
  // Five sections: a plate under the caption, its ornament, then filler.
  const int plateEnd = std::max(captionEnd + 2, left);
  const int ornamentEnd = plateEnd + Width(kImageTitleBar3);
  Stretch(canvas, kImageTitleBar2, {left, 0, plateEnd, height});
  Stretch(canvas, kImageTitleBar3, {plateEnd, 0, ornamentEnd, height});
  Stretch(canvas, kImageTitleBar4, {ornamentEnd, 0, right, height});
}

void FramePicture::DrawCaptionButtons(image::Canvas& canvas, const TitleBarLayout& layout) const {
  const image::Bitmap* strip = Image(kImageTitleButtons);
  if (!strip) {
    return;
  }
  const std::optional<image::ColorRef> mask =
      metrics_.titleButtonsTransparent ? std::optional(metrics_.transparentColor) : std::nullopt;
  for (const CaptionButton& button : layout.buttons) {
    const image::Rect from = image::RectAt((button.frame - 1) * metrics_.buttonWidth, 0,
                                           metrics_.buttonWidth, strip->Height());
    canvas.Stretch(*strip, from, button.rect, mask);
  }
}

void FramePicture::DrawBorders(image::Canvas& canvas, const FrameGeometry& geometry) const {
  if (geometry.minimized) {
    return;
  }
  PadBorders(canvas, geometry);
  const int top = geometry.titleRows;
  const int bottom = geometry.height - metrics_.bottomBorder;
  Stretch(canvas, kImageFormLeftBorder, {0, top, metrics_.leftBorder, bottom});
  Stretch(canvas, kImageFormRightBorder,
          {geometry.width - metrics_.rightBorder, top, geometry.width, bottom});
  DrawBottomBorder(canvas, geometry);
}

// Padding lies on the inner side of a border image. Beside the menu bar it
// takes the menu bar's colour and, where that stands out from the form,
// the etched line the menu bar ends with.
void FramePicture::PadBorders(image::Canvas& canvas, const FrameGeometry& geometry) const {
  const int w = geometry.width;
  const int h = geometry.height;
  const image::Rect left{metrics_.leftBorder, geometry.titleRows, kMinBorder, h};
  const image::Rect right{w - kMinBorder, geometry.titleRows, w - metrics_.rightBorder, h};
  canvas.Fill({0, h - kMinBorder, w, h - metrics_.bottomBorder}, metrics_.formColor);
  const image::ColorRef bar = metrics_.MenuColor(kColorMenuBarStart);
  const int barBottom = geometry.menuBarTop + geometry.menuBarHeight;
  const bool etched = bar != metrics_.formColor;
  for (const image::Rect& pad : {left, right}) {
    canvas.Fill(pad, metrics_.formColor);
    if (geometry.menuBarHeight <= 0) {
      continue;
    }
    canvas.Fill({pad.left, geometry.menuBarTop, pad.right, barBottom}, bar);
    if (etched) {
      canvas.Fill({pad.left, barBottom - 2, pad.right, barBottom - 1}, kEtchedShadow);
      canvas.Fill({pad.left, barBottom - 1, pad.right, barBottom}, kEtchedLight);
    }
  }
}

void FramePicture::DrawBottomBorder(image::Canvas& canvas, const FrameGeometry& geometry) const {
  const int w = geometry.width;
  const image::Rect bottom{0, geometry.height - metrics_.bottomBorder, w, geometry.height};
  if (metrics_.threeSectionBottom) {
    const int left = Width(kImageFormBottomBorder1);
    const int right = w - Width(kImageFormBottomBorder3);
    Stretch(canvas, kImageFormBottomBorder3, {right, bottom.top, w, bottom.bottom});
    Stretch(canvas, kImageFormBottomBorder1, {0, bottom.top, left, bottom.bottom});
    Stretch(canvas, kImageFormBottomBorder2, {left, bottom.top, right, bottom.bottom});
    return;
  }
  if (const image::Bitmap* strip = Image(kImageFormBottomBorder1)) {
    image::DrawThreePartH(*strip, canvas, bottom, metrics_.transparentColor, false);
  }
}

void FramePicture::FillTransparentPixels(image::Canvas& canvas,
                                         const FrameGeometry& geometry) const {
  if (metrics_.titleNeedsRegion) {
    ReplaceRows(canvas, 0, geometry.titleRows, metrics_.transparentColor, metrics_.formColor);
  }
  if (metrics_.bottomNeedsRegion && !geometry.minimized) {
    ReplaceRows(canvas, geometry.height - metrics_.bottomBorder, geometry.height,
                metrics_.transparentColor, metrics_.formColor);
  }
}

std::vector<image::Rect> WindowShape(const SkinMetrics& metrics, const image::Canvas& frame,
                                     const FrameGeometry& geometry) {
  std::vector<image::Rect> shape;
  if (!metrics.titleNeedsRegion && !metrics.bottomNeedsRegion) {
    return shape;
  }
  const int w = geometry.width;
  const int titleRows = std::min(geometry.titleRows, geometry.height);
  if (metrics.titleNeedsRegion) {
    const ScannedRows rows = RowsToScan(metrics.titleRegionMin, metrics.titleRegionMax,
                                        std::min(metrics.titleHeight, titleRows));
    AddScannedPart(shape, frame, 0, titleRows, rows, metrics.transparentColor);
  } else {
    AddWhole(shape, w, 0, titleRows);
  }
  if (geometry.minimized) {
    return shape;
  }
  const int bottomTop = std::max(geometry.height - metrics.bottomBorder, titleRows);
  AddWhole(shape, w, titleRows, bottomTop);
  if (metrics.bottomNeedsRegion) {
    const int height = geometry.height - bottomTop;
    const ScannedRows rows = RowsToScan(metrics.bottomRegionMin, metrics.bottomRegionMax, height);
    AddScannedPart(shape, frame, bottomTop, height, rows, metrics.transparentColor);
  } else {
    AddWhole(shape, w, bottomTop, geometry.height);
  }
  return shape;
}

}  // namespace skinning
