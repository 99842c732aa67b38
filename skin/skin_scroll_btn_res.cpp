#include "skin/skin_scroll_btn_res.h"

#include "skin/image_transforms.h"

namespace skin {

namespace {

constexpr ColorRef kWholeThumbScrollBarColor = 0xCBCBCB;
constexpr int kWholeThumbHeight = 33;
constexpr ColorRef kWholeThumbMarker = 0xB23901;
constexpr int kCapRows = 3;

template <size_t N>
void ReplaceColorInAll(std::array<Bitmap, N>& images, ColorRef from, ColorRef to) {
  for (Bitmap& image : images) {
    ReplaceColor(image, from, to);
  }
}

}  // namespace

bool IsWholeThumbSkin(ColorRef scroll_bar_color, const Bitmap& thumb) {
  return scroll_bar_color == kWholeThumbScrollBarColor && thumb.Height() == kWholeThumbHeight &&
         thumb.Pixel(1, 10) == kWholeThumbMarker;
}

std::array<Bitmap, 5> CutThumb(const Bitmap& thumb) {
  const int h = thumb.Height();
  const int f = (h - 6) / 3;
  const Bitmap first_cap = CopyRows(thumb, 0, kCapRows);
  const Bitmap last_cap = CopyRows(thumb, h - kCapRows, kCapRows);
  if (f <= 0) {
    const Bitmap middle = CopyRows(thumb, h / 2, 1);
    return {first_cap, middle, middle, middle, last_cap};
  }
  return {first_cap, CopyRows(thumb, 4, f), CopyRows(thumb, f + 4, h - 2 * f - 6),
          CopyRows(thumb, h - f - 3, f), last_cap};
}

void TvxSkinScrollBtnRes::Clear() {
  vertical_arrows_ = {};
  horizontal_arrows_ = {};
  vertical_thumb_ = {};
  horizontal_thumb_ = {};
  whole_thumb_ = false;
  vertical_whole_thumb_ = Bitmap();
  horizontal_whole_thumb_ = Bitmap();
  thumb_width_ = 0;
}

void TvxSkinScrollBtnRes::Rebuild() {
  Clear();
  if (!ReaderLoaded()) {
    return;
  }
  BuildArrows();
  if (const Bitmap* thumb = Reader()->Image(kImageScrollBar)) {
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
        horizontal_arrows_[state] = TurnCounterClockwise(*arrow);
        vertical_arrows_[state] = std::move(*arrow);
      }
    }
  }
}

void TvxSkinScrollBtnRes::BuildThumb(const Bitmap& thumb) {
  whole_thumb_ = IsWholeThumbSkin(Reader()->Color(kColorScrollBar), thumb);
  if (whole_thumb_) {
    vertical_whole_thumb_ = thumb;
    horizontal_whole_thumb_ = TurnCounterClockwise(thumb);
  }
  vertical_thumb_ = CutThumb(thumb);
  for (int piece = 0; piece < kThumbPieces; ++piece) {
    horizontal_thumb_[piece] = TurnCounterClockwise(vertical_thumb_[piece]);
  }
  thumb_width_ = thumb.Width();
}

// Also done without a thumb, and to the whole thumb: the transparent colour
// would otherwise show in the middle of the scroll bar.
void TvxSkinScrollBtnRes::PaintTransparentPixels(ColorRef transparent, ColorRef scroll_bar) {
  auto paint = [&](auto&... groups) { (ReplaceColorInAll(groups, transparent, scroll_bar), ...); };
  paint(vertical_arrows_, horizontal_arrows_, vertical_thumb_, horizontal_thumb_);
  ReplaceColor(vertical_whole_thumb_, transparent, scroll_bar);
  ReplaceColor(horizontal_whole_thumb_, transparent, scroll_bar);
}

}  // namespace skin
