#pragma once

#include <vector>

#include "image/canvas.h"
#include "image/rect.h"
#include "skin/skin_reader.h"
#include "skinning/engine/skin_metrics.h"
#include "skinning/frames/title_bar_layout.h"

namespace skinning {

// The parts of a skinned window's frame, in window coordinates.
struct FrameGeometry {
  int width = 0;
  int height = 0;
  // Rows of the title bar: the larger of the skin's title height and the
  // window's own non-client height; rows below the title images show the
  // form colour.
  int titleRows = 0;
  // A minimised window is its title bar alone.
  bool minimized = false;
  // The rows of the menu bar shown at the top of the client area; no rows
  // when there is none.
  int menuBarTop = 0;
  int menuBarHeight = 0;
};

// Composes the skin's frame of one window on a canvas of the window's size,
// leaving the client area alone. Caption text and icon are drawn by the
// caller afterwards, over the title bar.
class FramePicture {
 public:
  FramePicture(const skin::TvxSkinReader& reader, const SkinMetrics& metrics)
      : reader_(reader), metrics_(metrics) {}

  // The title bar without its buttons. `captionEnd` is where the caption
  // text ends; a five-section title's plate follows it.
  void DrawTitleBar(image::Canvas& canvas, const FrameGeometry& geometry,
                    const TitleBarLayout& layout, int captionEnd) const;
  void DrawCaptionButtons(image::Canvas& canvas, const TitleBarLayout& layout) const;
  // Side borders, bottom border and the padding of borders narrower than 4.
  void DrawBorders(image::Canvas& canvas, const FrameGeometry& geometry) const;
  // Where the skin shapes the window, the transparent pixels of the title
  // bar and of the bottom border fall outside it; inside it they show the
  // form colour.
  void FillTransparentPixels(image::Canvas& canvas, const FrameGeometry& geometry) const;

 private:
  const image::Bitmap* Image(int index) const { return reader_.Image(index); }
  int Width(int index) const;
  void Stretch(image::Canvas& canvas, int index, const image::Rect& to) const;
  void DrawTitleMiddle(image::Canvas& canvas, int left, int right, int captionEnd) const;
  void DrawBottomBorder(image::Canvas& canvas, const FrameGeometry& geometry) const;
  void PadBorders(image::Canvas& canvas, const FrameGeometry& geometry) const;

  const skin::TvxSkinReader& reader_;
  const SkinMetrics& metrics_;
};

// The window's shape as rectangles in window coordinates, read from a
// composed frame (before FillTransparentPixels): the rows of the title bar
// and of the bottom border that the skin names are cut to their runs of
// pixels that are not the transparent colour; everything else is whole.
// Empty when the skin shapes neither part: the window stays rectangular.
std::vector<image::Rect> WindowShape(const SkinMetrics& metrics, const image::Canvas& frame,
                                     const FrameGeometry& geometry);

}  // namespace skinning
