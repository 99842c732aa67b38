#include "skin/skin_progress_bar_res.h"

#include "image/image_transforms.h"

namespace skin {

void TvxSkinProgressBarRes::Rebuild() {
  horizontal_ = {};
  vertical_ = {};
  startWidth_ = 0;
  endWidth_ = 0;
  if (!ReaderLoaded()) {
    return;
  }
  for (int piece = 0; piece < kPieces; ++piece) {
    if (const image::Bitmap* image = Reader()->Image(kImageProgressBar1 + piece)) {
      horizontal_[piece] = *image;
      vertical_[piece] = image::TurnCounterClockwise(*image);
    }
  }
  startWidth_ = horizontal_.front().Width();
  endWidth_ = horizontal_.back().Width();
}

}  // namespace skin
