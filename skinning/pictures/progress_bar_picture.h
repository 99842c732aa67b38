#pragma once

#include "image/canvas.h"
#include "skin/skin_progress_bar_res.h"

namespace skinning {

struct ProgressState {
  int width = 0;
  int height = 0;
  int minimum = 0;
  int maximum = 100;
  int position = 0;
  bool vertical = false;
};

// Where the filled part of a bar ends, counted from the bar's start (its
// left edge, or its bottom edge for a vertical bar): the span between the
// two end pieces (`startLength` and `endLength` long) filled in proportion
// to the position; at the span's start when the maximum is not above the
// minimum.
int FilledEnd(int length, int startLength, int endLength, int minimum, int maximum, int position);

// A progress bar's picture over the whole canvas: the form colour, then the
// four pieces (start, filled part, empty part, end) across the bar, each
// stretched along it with its two outer rows (columns, for a vertical bar)
// kept at each side. A vertical bar fills from the bottom up.
void DrawProgressBar(const skin::TvxSkinProgressBarRes& pieces, image::ColorRef formColor,
                     image::Canvas& canvas, const ProgressState& state);

}  // namespace skinning
