#pragma once

#include <array>

#include "image/bitmap.h"
#include "skin/skin_res.h"

namespace skin {

// Which way a tab picture is turned, for tabs on each side of a control.
enum class TabTurn { kNone, kCounterClockwise, kHalf, kClockwise };

// Tab pictures in four turns each: the line along the tabs, the selected
// tab and the other tabs (the two frames of the tab strip).
class TvxSkinTabRes final : public TvxSkinRes {
 public:
  void Rebuild() override;

  const image::Bitmap& Line(TabTurn turn) const { return line_[Index(turn)]; }
  const image::Bitmap& SelectedTab(TabTurn turn) const { return selected_[Index(turn)]; }
  const image::Bitmap& OtherTab(TabTurn turn) const { return other_[Index(turn)]; }

 private:
  using Turns = std::array<image::Bitmap, 4>;

  static size_t Index(TabTurn turn) { return static_cast<size_t>(turn); }

  Turns line_;
  Turns selected_;
  Turns other_;
};

}  // namespace skin
