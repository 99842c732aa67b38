#pragma once

#include <windows.h>

#include <utility>

#include "skinning/painters/skin_control.h"

namespace skinning {

// Check boxes and radio buttons: the control draws its text as always,
// off-screen, and the skin's box of the control's state goes over the box
// the control drew, in the same picture. The box is at the left edge when
// the text is to its right, and at the right edge otherwise. The control
// takes its parent's colour and, for the program's own controls, the
// skin's control text colour.
template <class Base>
class TvxSkinCheckBoxOf : public Base {
 public:
  template <class Target>
  TvxSkinCheckBoxOf(TvxSkinWindow& window, Target&& target, bool radio)
      : Base(window, std::forward<Target>(target)), radio_(radio) {}

  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void Paint() override;
  bool WantsParentColor() const override { return true; }

 protected:
  int SkinFontColor() const override;

 private:
  int Frame() const;

  bool radio_;
};

using TvxSkinCheckBox = TvxSkinCheckBoxOf<TvxSkinControlVCL>;
using TvxSkinWndCheckBox = TvxSkinCheckBoxOf<TvxSkinControlWnd>;

}  // namespace skinning
