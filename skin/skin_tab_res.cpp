#include "skin/skin_tab_res.h"

#include <optional>

#include "image/image_transforms.h"

namespace skin {

namespace {

std::array<image::Bitmap, 4> AllTurns(const std::optional<image::Bitmap>& image) {
  if (!image) {
    return {};
  }
  return {*image, image::TurnCounterClockwise(*image), image::TurnHalf(*image),
          image::TurnClockwise(*image)};
}

}  // namespace

void TvxSkinTabRes::Rebuild() {
  line_ = {};
  selected_ = {};
  other_ = {};
  if (!ReaderLoaded()) {
    return;
  }
  line_ = AllTurns(ImageFrame(*Reader(), kImageTabControlLine, 0, 0));
  selected_ = AllTurns(ImageFrame(*Reader(), kImageTabControl, 1, kTabFrames));
  other_ = AllTurns(ImageFrame(*Reader(), kImageTabControl, 2, kTabFrames));
}

}  // namespace skin
