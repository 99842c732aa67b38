#include "skinning/painters/common_control_painters.h"

#include <windowsx.h>

#include <commctrl.h>

#include "skin/skin_keys.h"
#include "skinning/engine/skin_engine.h"
#include "skinning/pictures/canvas_shapes.h"
#include "skinning/pictures/tool_button_picture.h"
#include "skinning/pictures/track_bar_picture.h"

namespace skinning {

namespace {

image::Rect RectOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

bool TvxSkinTrackBar::BeforeMessage(ui::TMessage& message) {
  return !TakePaintMessages(message);
}

void TvxSkinTrackBar::Paint() {
  DibBuffer& picture = StartPicture();
  HWND bar = GetHandle();
  RECT channel{};
  RECT thumb{};
  SendMessageW(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  SendMessageW(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const bool vertical = (GetWindowLongW(bar, GWL_STYLE) & TBS_VERT) != 0;
  DrawTrackBar(Reader(), picture.Canvas(), {0, 0, picture.Width(), picture.Height()},
               RectOf(channel), RectOf(thumb), vertical);
  ShowPicture();
}

bool TvxSkinUpDown::BeforeMessage(ui::TMessage& message) {
  return !TakePaintMessages(message);
}

void TvxSkinUpDown::AfterMessage(ui::TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
    const RECT client = GetPaintRect();
    const bool horizontal = (GetWindowLongW(GetHandle(), GWL_STYLE) & UDS_HORZ) != 0;
    const int at = horizontal ? GET_X_LPARAM(message.LParam) : GET_Y_LPARAM(message.LParam);
    pressedFirst_ = at < (horizontal ? client.right : client.bottom) / 2;
    // A horizontal control's first button is the one that goes down.
    if (horizontal) {
      pressedFirst_ = !pressedFirst_;
    }
  }
  TvxSkinControlVCL::AfterMessage(message);
}

void TvxSkinUpDown::Paint() {
  DibBuffer& picture = StartPicture();
  const int width = picture.Width();
  const int height = picture.Height();
  const bool horizontal = (GetWindowLongW(GetHandle(), GWL_STYLE) & UDS_HORZ) != 0;
  const image::Rect first =
      horizontal ? image::Rect{width / 2, 0, width, height} : image::Rect{0, 0, width, height / 2};
  const image::Rect second =
      horizontal ? image::Rect{0, 0, width / 2, height} : image::Rect{0, height / 2, width, height};
  const bool pressed = (state_ & kPressed) != 0;
  FlatButtonState state;
  state.enabled = IsEnabled();
  state.pressed = pressed && pressedFirst_;
  DrawUpDownButton(Reader(), picture.Canvas(), first, true, state);
  state.pressed = pressed && !pressedFirst_;
  DrawUpDownButton(Reader(), picture.Canvas(), second, false, state);
  ShowPicture();
}

void TvxSkinStatusBar::UpdateLook() {
  TvxSkinControlVCL::UpdateLook();
  const bool skinned = Skinning();
  SendMessageW(GetHandle(), SB_SETBKCOLOR, 0,
               skinned ? static_cast<LPARAM>(ui::ColorToRGB(Control().Color()))
                       : static_cast<LPARAM>(CLR_DEFAULT));
}

bool TvxSkinDateTimePicker::BeforeMessage(ui::TMessage& message) {
  if (TakePaintMessages(message)) {
    return false;
  }
  return TvxSkinBorderWinControl::BeforeMessage(message);
}

void TvxSkinDateTimePicker::AfterMessage(ui::TMessage& message) {
  if (DrawsAtOnce(message.Msg)) {
    RepaintWhole();
    return;
  }
  TvxSkinBorderWinControl::AfterMessage(message);
}

void TvxSkinDateTimePicker::Paint() {
  DibBuffer& picture = StartPicture();
  PrintControl();
  HWND picker = GetHandle();
  if (!(GetWindowLongW(picker, GWL_STYLE) & DTS_UPDOWN)) {
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    const image::Rect button{picture.Width() - width, 0, picture.Width(), picture.Height()};
    image::Canvas& canvas = picture.Canvas();
    canvas.Fill(button, Reader().Color(skin::kColorControl));
    canvas.Fill({button.left, button.top, button.left + 1, button.bottom},
                Reader().Color(skin::kColorControlBorder));
    DrawDropArrowIn(canvas, button, IsEnabled(), Reader().Color(skin::kColorControl));
  }
  ShowPicture();
}

}  // namespace skinning
