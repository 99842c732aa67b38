#pragma once

#include "skinning/painters/skin_control.h"

namespace skinning {

// Progress bars, painted whole from the skin's four progress-bar pieces.
class TvxSkinProgressBar final : public TvxSkinControlVCL {
 public:
  using TvxSkinControlVCL::TvxSkinControlVCL;
  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  void Paint() override;
};

}  // namespace skinning
