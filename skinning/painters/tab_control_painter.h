#pragma once

#include "skinning/painters/skin_control.h"

namespace skinning {

// Tab controls, painted whole: the page in the skin's tab-control colour
// framed in its border colour, the skin's tab line along the page's edge
// on the tabs' side, and each tab from the skin's tab strip (the
// selected tab's frame or the others'), turned for the side the tabs are
// on, with its text in the active or inactive tab text colour.
template <class Base>
class TvxSkinTabControlOf : public Base {
 public:
  using Base::Base;
  bool BeforeMessage(ui::TMessage& message) override;
  void Paint() override;
};

using TvxSkinTabControl = TvxSkinTabControlOf<TvxSkinControlVCL>;
using TvxSkinWndTabControl = TvxSkinTabControlOf<TvxSkinControlWnd>;

}  // namespace skinning
