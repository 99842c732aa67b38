#include "skinning/painters/progress_bar_painter.h"

#include <commctrl.h>

#include "skinning/engine/skin_engine.h"
#include "skinning/pictures/progress_bar_picture.h"

namespace skinning {

bool TvxSkinProgressBar::BeforeMessage(ui::TMessage& message) {
  return !TakePaintMessages(message);
}

// A new position, range or step makes the bar ask to be painted; it is
// painted at once, as the control itself would not wait either.
void TvxSkinProgressBar::AfterMessage(ui::TMessage& message) {
  switch (message.Msg) {
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
      if (GetUpdateRect(GetHandle(), nullptr, FALSE)) {
        RepaintWhole();
      }
      return;
  }
  TvxSkinControlVCL::AfterMessage(message);
}

void TvxSkinProgressBar::Paint() {
  DibBuffer& picture = StartPicture();
  HWND bar = GetHandle();
  ProgressState state;
  state.width = picture.Width();
  state.height = picture.Height();
  state.minimum = static_cast<int>(SendMessageW(bar, PBM_GETRANGE, TRUE, 0));
  state.maximum = static_cast<int>(SendMessageW(bar, PBM_GETRANGE, FALSE, 0));
  state.position = static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0));
  state.vertical = (GetWindowLongW(bar, GWL_STYLE) & PBS_VERTICAL) != 0;
  DrawProgressBar(Engine().ProgressBars(), Engine().Metrics().formColor, picture.Canvas(), state);
  ShowPicture();
}

}  // namespace skinning
