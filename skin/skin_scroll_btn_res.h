#pragma once

#include <array>

#include "image/bitmap.h"
#include "skin/skin_res.h"

namespace skin {

// Scroll-bar pictures: the six arrow states (up or left: normal, hot,
// pressed; then down or right alike) from the two arrow strips, and the
// thumb cut into five pieces: fixed 3-row caps (1 and 5), stretchable
// filler (2 and 4) and a grip in the middle (3). Horizontal copies are
// turned a quarter counter-clockwise. The skin's transparent colour is
// painted in the scroll-bar colour throughout.
class TvxSkinScrollBtnRes final : public TvxSkinRes {
 public:
  static constexpr int kArrowStates = 6;
  static constexpr int kThumbPieces = 5;

  void Rebuild() override;

  // `state` 1 to 6, `piece` 1 to 5.
  const image::Bitmap& VerticalArrow(int state) const { return verticalArrows_.at(state - 1); }
  const image::Bitmap& HorizontalArrow(int state) const { return horizontalArrows_.at(state - 1); }
  const image::Bitmap& VerticalThumb(int piece) const { return verticalThumb_.at(piece - 1); }
  const image::Bitmap& HorizontalThumb(int piece) const { return horizontalThumb_.at(piece - 1); }

  // One skin look draws its thumb whole, stretched in three parts, rather
  // than from the five pieces.
  bool WholeThumb() const { return wholeThumb_; }
  const image::Bitmap& VerticalWholeThumb() const { return verticalWholeThumb_; }
  const image::Bitmap& HorizontalWholeThumb() const { return horizontalWholeThumb_; }

  int ThumbWidth() const { return thumbWidth_; }

 private:
  void Clear();
  void BuildArrows();
  void BuildThumb(const image::Bitmap& thumb);
  void PaintTransparentPixels(image::ColorRef transparent, image::ColorRef scrollBar);

  std::array<image::Bitmap, kArrowStates> verticalArrows_;
  std::array<image::Bitmap, kArrowStates> horizontalArrows_;
  std::array<image::Bitmap, kThumbPieces> verticalThumb_;
  std::array<image::Bitmap, kThumbPieces> horizontalThumb_;
  bool wholeThumb_ = false;
  image::Bitmap verticalWholeThumb_;
  image::Bitmap horizontalWholeThumb_;
  int thumbWidth_ = 0;
};

// Whether a skin asks for its scroll-bar thumb to be drawn whole: its
// scroll-bar colour is 0xCBCBCB, and its thumb is 33 rows high with the
// colour 0xB23901 at (1, 10).
bool IsWholeThumbSkin(image::ColorRef scrollBarColor, const image::Bitmap& thumb);

// The five vertical pieces of a thumb H rows high: rows 0-2 and the last
// three are the caps; with f = (H - 6) div 3 above 0, piece 2 is rows 4 to
// f + 3, piece 3 the H - 2f - 6 rows from row f + 4, piece 4 rows H - f - 3
// to H - 4. A thumb lower than 9 rows has no room for them: pieces 2 to 4
// are then its middle row.
std::array<image::Bitmap, 5> CutThumb(const image::Bitmap& thumb);

}  // namespace skin
