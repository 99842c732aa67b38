#pragma once

#include <array>

#include "image/bitmap.h"
#include "skin/skin_res.h"

namespace skin {

// Progress-bar pieces: the four horizontal images (start, filled part,
// empty part, end) and copies turned a quarter counter-clockwise for
// vertical bars, with the widths of the two ends.
class TvxSkinProgressBarRes final : public TvxSkinRes {
 public:
  static constexpr int kPieces = 4;

  void Rebuild() override;

  // `piece` 1 to 4.
  const image::Bitmap& Horizontal(int piece) const { return horizontal_.at(piece - 1); }
  const image::Bitmap& Vertical(int piece) const { return vertical_.at(piece - 1); }
  int StartWidth() const { return startWidth_; }
  int EndWidth() const { return endWidth_; }

 private:
  std::array<image::Bitmap, kPieces> horizontal_;
  std::array<image::Bitmap, kPieces> vertical_;
  int startWidth_ = 0;
  int endWidth_ = 0;
};

}  // namespace skin
