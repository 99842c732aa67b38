#pragma once

#include "skinning/painters/skin_control.h"

namespace skinning {

// Labels draw nothing of the skin: they show their parent's colour behind
// the skin's control text colour.
class TvxSkinLabel final : public TvxSkinControlVCL {
 public:
  using TvxSkinControlVCL::TvxSkinControlVCL;
  bool WantsParentColor() const override { return true; }

 protected:
  int SkinFontColor() const override;
};

// Group boxes, painted whole on their parent's colour: a frame in the
// skin's control border colour from half the text height down, and the
// caption in the control text colour near the top-left corner (top-right
// reading right to left), over the frame.
class TvxSkinGroupBox final : public TvxSkinControlVCL {
 public:
  using TvxSkinControlVCL::TvxSkinControlVCL;
  bool WantsParentColor() const override { return true; }
  bool BeforeMessage(ui::TMessage& message) override;
  void Paint() override;

 protected:
  int SkinFontColor() const override;
};

}  // namespace skinning
