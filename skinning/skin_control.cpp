#include "skinning/skin_control.h"

#include "skinning/skin_engine.h"
#include "skinning/skin_window.h"
#include "skinning/window_messages.h"

namespace skinning {

TvxSkinControl::TvxSkinControl(TvxSkinWindow& window) : window_(window) {}

TvxSkinEngine& TvxSkinControl::Engine() const {
  return window_.Engine();
}

bool TvxSkinControl::Skinning() const {
  const TvxSkinEngine& engine = Engine();
  return engine.Skinning() && !engine.IsDisabledTag(ControlTag());
}

void TvxSkinControl::Dispatch(ui::TMessage& message, const ui::TWndMethod& saved) {
  // Answered whatever the engine does, so no second painter is attached.
  if (message.Msg == kMsgIsSkinned) {
    message.Result = 1;
    return;
  }
  if (!Skinning()) {
    saved(message);
    return;
  }
  handled_ = false;
  if (BeforeMessage(message)) {
    saved(message);
  }
  if (!handled_) {
    AfterMessage(message);
  }
}

bool TvxSkinControl::BeforeMessage(ui::TMessage&) {
  return true;
}

void TvxSkinControl::AfterMessage(ui::TMessage& message) {
  const bool pressKey = message.WParam == VK_SPACE || message.WParam == VK_RETURN;
  switch (message.Msg) {
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_PAINT:
    case WM_ERASEBKGND:
    case kMsgRepaintControl:
      Repaint();
      break;
    case WM_KEYDOWN:
      if (pressKey) {
        state_ |= kPressed;
      }
      Repaint();
      KeyDown(message.WParam);
      break;
    case WM_KEYUP:
      if (pressKey) {
        state_ &= ~kPressed;
      }
      Repaint();
      KeyUp(message.WParam);
      break;
    case WM_LBUTTONDOWN:
      state_ |= kPressed;
      Repaint();
      MouseDown();
      break;
    case WM_LBUTTONUP:
      state_ &= ~kPressed;
      Repaint();
      MouseUp();
      break;
    case WM_MOUSEMOVE:
      NoteMouseMove();
      break;
    case WM_MOUSELEAVE:
      state_ &= ~(kHot | kPressed);
      Repaint();
      MouseLeave();
      break;
  }
}

// The system tells of the mouse leaving only when asked, once per entry.
void TvxSkinControl::NoteMouseMove() {
  if (state_ & kHot) {
    return;
  }
  state_ |= kHot;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = GetHandle();
  TrackMouseEvent(&track);
  Repaint();
  MouseEnter();
}

void TvxSkinControl::Repaint() {
  if (Skinning()) {
    Paint();
  }
}

RECT TvxSkinControl::GetPaintRect() const {
  RECT client{};
  GetClientRect(GetHandle(), &client);
  return client;
}

TvxSkinControlVCL::TvxSkinControlVCL(TvxSkinWindow& window, ui::TControl& control)
    : TvxSkinControl(window),
      control_(control),
      link_(std::make_unique<WindowProcLink>(
          control,
          [this](ui::TMessage& message, const ui::TWndMethod& next) { Dispatch(message, next); })) {
}

void TvxSkinControlVCL::SaveOwnColors() {
  ownColor_ = control_.Color();
}

void TvxSkinControlVCL::UpdateLook() {
  if (!WantsParentColor() || !control_.Parent()) {
    return;
  }
  const bool skinned = Engine().Skinning() && !Engine().IsDisabledTag(control_.Tag());
  const ui::TColor wanted = skinned ? control_.Parent()->Color() : ownColor_;
  if (control_.Color() != wanted) {
    control_.SetColor(wanted);
  }
}

TvxSkinControlWnd::TvxSkinControlWnd(TvxSkinWindow& window, HWND control)
    : TvxSkinControl(window),
      handle_(control),
      link_(std::make_unique<SubclassLink>(
          control,
          [this](ui::TMessage& message, const ui::TWndMethod& next) { Dispatch(message, next); })) {
}

}  // namespace skinning
