#pragma once

#include "skinning/painters/scroll_painters.h"
#include "skinning/painters/skin_control.h"

namespace skinning {

// Track bars, painted whole: the skin's channel and thumb on the form
// colour.
class TvxSkinTrackBar final : public TvxSkinControlVCL {
 public:
  using TvxSkinControlVCL::TvxSkinControlVCL;
  bool BeforeMessage(ui::TMessage& message) override;
  void Paint() override;
};

// Up-down controls, painted whole: two flat buttons framed in the tool
// bar's border colour, the pressed one in its pressed colour, with arrows.
class TvxSkinUpDown final : public TvxSkinControlVCL {
 public:
  using TvxSkinControlVCL::TvxSkinControlVCL;
  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void Paint() override;

 private:
  bool pressedFirst_ = false;  // the up (left) button holds the press
};

// Status bars take their parent's colour while skinned.
class TvxSkinStatusBar final : public TvxSkinControlVCL {
 public:
  using TvxSkinControlVCL::TvxSkinControlVCL;
  bool WantsParentColor() const override { return true; }
  void UpdateLook() override;
};

// Date-time pickers: the border of the edit-like controls, and the
// drop-down button of the combo boxes over the control's own drawing.
class TvxSkinDateTimePicker final : public TvxSkinBorderWinControl {
 public:
  using TvxSkinBorderWinControl::TvxSkinBorderWinControl;
  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void Paint() override;
};

}  // namespace skinning
