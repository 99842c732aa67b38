#pragma once

#include "skinning/painters/skin_control.h"

namespace skinning {

// Drop-down combo boxes and drop-down lists. The control draws its text,
// off-screen; over it go a frame in the skin's control border colour with
// a second one inside it in the control's colour (the system's window
// colour for windows we did not make), the drop-down button in the
// control colour with a line in the border colour along its inner edge,
// and the arrow. While the list is dropped down, it is framed in the
// border colour too.
template <class Base>
class TvxSkinComboBoxOf : public Base {
 public:
  using Base::Base;

  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void Paint() override;

 private:
  image::ColorRef InnerColor() const;
  void FrameDroppedList() const;
};

using TvxSkinComboBox = TvxSkinComboBoxOf<TvxSkinControlVCL>;
using TvxSkinWndComboBox = TvxSkinComboBoxOf<TvxSkinControlWnd>;

}  // namespace skinning
