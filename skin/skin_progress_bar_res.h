#pragma once

#include <array>

#include "skin/bitmap.h"
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
  const Bitmap& Horizontal(int piece) const { return horizontal_.at(piece - 1); }
  const Bitmap& Vertical(int piece) const { return vertical_.at(piece - 1); }
  int StartWidth() const { return start_width_; }
  int EndWidth() const { return end_width_; }

 private:
  std::array<Bitmap, kPieces> horizontal_;
  std::array<Bitmap, kPieces> vertical_;
  int start_width_ = 0;
  int end_width_ = 0;
};

}  // namespace skin
