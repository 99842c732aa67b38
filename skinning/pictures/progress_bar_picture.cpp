#include "skinning/pictures/progress_bar_picture.h"

#include "image/image_drawing.h"

namespace skinning {

namespace {

constexpr int kCap = 2;

}  // namespace

int FilledEnd(int length, int startLength, int endLength, int minimum, int maximum, int position) {
  if (maximum <= minimum) {
    return startLength;
  }
  const long long span = length - endLength - startLength;
  return startLength + static_cast<int>((position - minimum) * span / (maximum - minimum));
}

void DrawProgressBar(const skin::TvxSkinProgressBarRes& pieces, image::ColorRef formColor,
                     image::Canvas& canvas, const ProgressState& state) {
  canvas.Fill({0, 0, state.width, state.height}, formColor);
  const int a = pieces.StartWidth();
  const int b = pieces.EndWidth();
  if (!state.vertical) {
    const int filled = FilledEnd(state.width, a, b, state.minimum, state.maximum, state.position);
    const int stops[] = {0, a, filled, state.width - b, state.width};
    for (int piece = 1; piece <= skin::TvxSkinProgressBarRes::kPieces; ++piece) {
      image::CopyThreePartV(pieces.Horizontal(piece), canvas,
                            {stops[piece - 1], 0, stops[piece], state.height}, kCap);
    }
    return;
  }
  // Rows from the bottom: the start piece, the filled part, the empty part
  // up to the end piece at the top.
  const int h = state.height;
  const int filled = FilledEnd(h, a, b, state.minimum, state.maximum, state.position);
  const int stops[] = {h, h - a, h - filled, b, 0};
  for (int piece = 1; piece <= skin::TvxSkinProgressBarRes::kPieces; ++piece) {
    image::CopyThreePartH(pieces.Vertical(piece), canvas,
                          {0, stops[piece], state.width, stops[piece - 1]}, kCap);
  }
}

}  // namespace skinning
