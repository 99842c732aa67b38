#include "skinning/painters/check_box_painter.h"

#include <algorithm>

#include "skin/skin_keys.h"
#include "ui/graphics.h"
#include "skinning/engine/skin_engine.h"
#include "skinning/pictures/check_box_picture.h"

namespace skinning {

namespace {

CheckState StateOf(HWND control) {
  switch (SendMessageW(control, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
      return CheckState::kChecked;
    case BST_INDETERMINATE:
      return CheckState::kGrayed;
  }
  return CheckState::kUnchecked;
}

}  // namespace

template <class Base>
bool TvxSkinCheckBoxOf<Base>::BeforeMessage(ui::TMessage& message) {
  if (this->TakePaintMessages(message)) {
    return false;
  }
  switch (message.Msg) {
    case WM_LBUTTONDBLCLK:
      if (!radio_) {
        return true;
      }
      // A radio button's double click is only told to the parent.
      this->MarkHandled();
      SendMessageW(GetParent(this->GetHandle()), WM_COMMAND,
                   MAKEWPARAM(GetDlgCtrlID(this->GetHandle()), BN_DOUBLECLICKED),
                   reinterpret_cast<LPARAM>(this->GetHandle()));
      return false;
  }
  return true;
}

template <class Base>
void TvxSkinCheckBoxOf<Base>::AfterMessage(ui::TMessage& message) {
  if (this->DrawsAtOnce(message.Msg)) {
    this->RepaintWhole();
    return;
  }
  Base::AfterMessage(message);
}

template <class Base>
int TvxSkinCheckBoxOf<Base>::SkinFontColor() const {
  return skin::kColorControlFont;
}

template <class Base>
int TvxSkinCheckBoxOf<Base>::Frame() const {
  HWND control = this->GetHandle();
  const bool enabled = this->IsEnabled();
  const CheckState state = StateOf(control);
  if (radio_) {
    return RadioButtonFrame(state == CheckState::kChecked, enabled);
  }
  return CheckBoxFrame(state, enabled);
}

template <class Base>
void TvxSkinCheckBoxOf<Base>::Paint() {
  DibBuffer& picture = this->StartPicture();
  this->PrintControl();
  HWND control = this->GetHandle();
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(control, GWL_EXSTYLE);
  const bool textLeft = (style & BS_LEFTTEXT) != 0 || (exStyle & WS_EX_RIGHT) != 0;
  const bool atLeft = BoxAtLeft(textLeft, (exStyle & WS_EX_RTLREADING) != 0);
  const BoxSize frame = BoxFrameSize(this->Reader(), radio_);
  const int width = std::max(frame.width, kMinBoxSize);
  const int height = std::max(frame.height, kMinBoxSize);
  const image::ColorRef background = this->ControlColor();
  // The box the control drew of its own, where the system puts it, as
  // large as the system draws it: larger with large fonts.
  const int systemBox = std::max(ui::ToScreenPixels(kMinBoxSize), kMinBoxSize);
  picture.Canvas().Fill(
      BoxRect(picture.Width() + (atLeft ? 0 : 1), picture.Height(), systemBox, systemBox, atLeft),
      background);
  DrawBox(this->Reader(), picture.Canvas(),
          BoxRect(picture.Width(), picture.Height(), width, height, atLeft), radio_, Frame(),
          background);
  this->ShowPicture();
}

template class TvxSkinCheckBoxOf<TvxSkinControlVCL>;
template class TvxSkinCheckBoxOf<TvxSkinControlWnd>;

}  // namespace skinning
