#pragma once

#include <windows.h>

#include "skinning/painters/skin_control.h"

namespace skinning {

// Push buttons and bitmap buttons, painted whole from the skin's button
// strip. The painter takes over the button's pressing as well as its
// drawing: the button's own handler never sees a press, so it never draws
// itself pressed. A click comes from a press released over the button
// (the mouse is captured meanwhile, so a release elsewhere is seen and
// does not click), from the space key released while the button has the
// focus, and from WM_CHAR 13 or 0. Clicking sends the parent the
// button's own BN_CLICKED.
template <class Base>
class TvxSkinButtonOf : public Base {
 public:
  using Base::Base;

  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void Paint() override;
  void MouseDown() override;
  void MouseUp() override;
  void KeyUp(WPARAM key) override;

 private:
  void Click();
  bool PointInside(LPARAM point) const;
  void DrawGlyphAndCaption();

  bool pressStarted_ = false;
  bool releasedInside_ = false;
};

using TvxSkinButton = TvxSkinButtonOf<TvxSkinControlVCL>;
using TvxSkinWndButton = TvxSkinButtonOf<TvxSkinControlWnd>;

}  // namespace skinning
