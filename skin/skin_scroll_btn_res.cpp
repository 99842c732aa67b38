#include "skin/skin_scroll_btn_res.h"

#include "image/image_transforms.h"

namespace skin {

namespace {

constexpr image::ColorRef kWholeThumbScrollBarColor = 0xCBCBCB;
constexpr int kWholeThumbHeight = 33;
constexpr image::ColorRef kWholeThumbMarker = 0xB23901;
constexpr int kCapRows = 3;

template <size_t N>
void ReplaceColorInAll(std::array<image::Bitmap, N>& images, image::ColorRef from,
                       image::ColorRef to) {
  for (image::Bitmap& image : images) {
    image::ReplaceColor(image, from, to);
  }
}

}  // namespace

bool IsWholeThumbSkin(image::ColorRef scrollBarColor, const image::Bitmap& thumb) {
  return scrollBarColor == kWholeThumbScrollBarColor && thumb.Height() == kWholeThumbHeight &&
         thumb.Pixel(1, 10) == kWholeThumbMarker;
}

std::array<image::Bitmap, 5> CutThumb(const image::Bitmap& thumb) {
  const int h = thumb.Height();
  const int f = (h - 6) / 3;
  const image::Bitmap firstCap = image::CopyRows(thumb, 0, kCapRows);
  const image::Bitmap lastCap = image::CopyRows(thumb, h - kCapRows, kCapRows);
  if (f <= 0) {
    const image::Bitmap middle = image::CopyRows(thumb, h / 2, 1);
    return {firstCap, middle, middle, middle, lastCap};
  }
  return {firstCap, image::CopyRows(thumb, 4, f), image::CopyRows(thumb, f + 4, h - 2 * f - 6),
          image::CopyRows(thumb, h - f - 3, f), lastCap};
}

void TvxSkinScrollBtnRes::Clear() {
  verticalArrows_ = {};
  horizontalArrows_ = {};
  verticalThumb_ = {};
  horizontalThumb_ = {};
  wholeThumb_ = false;
  verticalWholeThumb_ = image::Bitmap();
  horizontalWholeThumb_ = image::Bitmap();
  thumbWidth_ = 0;
}

void TvxSkinScrollBtnRes::Rebuild() {
  Clear();
  if (!ReaderLoaded()) {
    return;
  }
  BuildArrows();
  if (const image::Bitmap* thumb = Reader()->Image(kImageScrollBar)) {
    BuildThumb(*thumb);
  }
  PaintTransparentPixels(Reader()->Color(kColorTrans), Reader()->Color(kColorScrollBar));
}

void TvxSkinScrollBtnRes::BuildArrows() {
  const int strips[] = {kImageScrollBarUpButton, kImageScrollBarDownButton};
  for (int strip = 0; strip < 2; ++strip) {
    for (int frame = 1; frame <= kScrollArrowFrames; ++frame) {
      const int state = strip * kScrollArrowFrames + frame - 1;
      if (auto arrow = ImageFrame(*Reader(), strips[strip], frame, kScrollArrowFrames)) {
        horizontalArrows_[state] = image::TurnCounterClockwise(*arrow);
        verticalArrows_[state] = std::move(*arrow);
      }
    }
  }
}

void TvxSkinScrollBtnRes::BuildThumb(const image::Bitmap& thumb) {
  wholeThumb_ = IsWholeThumbSkin(Reader()->Color(kColorScrollBar), thumb);
  if (wholeThumb_) {
    verticalWholeThumb_ = thumb;
    horizontalWholeThumb_ = image::TurnCounterClockwise(thumb);
  }
  verticalThumb_ = CutThumb(thumb);
  for (int piece = 0; piece < kThumbPieces; ++piece) {
    horizontalThumb_[piece] = image::TurnCounterClockwise(verticalThumb_[piece]);
  }
  thumbWidth_ = thumb.Width();
}

// Also done without a thumb, and to the whole thumb: the transparent colour
// would otherwise show in the middle of the scroll bar.
void TvxSkinScrollBtnRes::PaintTransparentPixels(image::ColorRef transparent,
                                                 image::ColorRef scrollBar) {
  auto paint = [&](auto&... groups) { (ReplaceColorInAll(groups, transparent, scrollBar), ...); };
  paint(verticalArrows_, horizontalArrows_, verticalThumb_, horizontalThumb_);
  image::ReplaceColor(verticalWholeThumb_, transparent, scrollBar);
  image::ReplaceColor(horizontalWholeThumb_, transparent, scrollBar);
}

}  // namespace skin
