#pragma once

#include "skinning/painters/skin_control.h"

namespace skinning {

// Tool bars, painted whole: the skin's tool-bar background, each button's
// face in the tool bar's hot or pressed colours framed in its border
// colour, separators as lines in the border colour, and the buttons'
// images and texts.
template <class Base>
class TvxSkinToolBarOf : public Base {
 public:
  using Base::Base;
  bool BeforeMessage(ui::TMessage& message) override;
  void Paint() override;
};

using TvxSkinToolBar = TvxSkinToolBarOf<TvxSkinControlVCL>;
using TvxSkinWndToolbarWindow32 = TvxSkinToolBarOf<TvxSkinControlWnd>;

}  // namespace skinning
