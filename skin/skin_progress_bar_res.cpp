#include "skin/skin_progress_bar_res.h"

#include "skin/image_transforms.h"

namespace skin {

void TvxSkinProgressBarRes::Rebuild() {
  horizontal_ = {};
  vertical_ = {};
  start_width_ = 0;
  end_width_ = 0;
  if (!ReaderLoaded()) {
    return;
  }
  for (int piece = 0; piece < kPieces; ++piece) {
    if (const Bitmap* image = Reader()->Image(kImageProgressBar1 + piece)) {
      horizontal_[piece] = *image;
      vertical_[piece] = TurnCounterClockwise(*image);
    }
  }
  start_width_ = horizontal_.front().Width();
  end_width_ = horizontal_.back().Width();
}

}  // namespace skin
