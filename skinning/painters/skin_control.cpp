#include "skinning/painters/skin_control.h"

#include "base/scoped_value.h"
#include "skinning/engine/skin_engine.h"
#include "skinning/engine/window_messages.h"
#include "skinning/frames/skin_window.h"
#include "win/entry_guard.h"
#include "win/gdi.h"

namespace skinning {

namespace {

constexpr COLORREF kGrayText = 0x808080;

}  // namespace

TvxSkinControl::TvxSkinControl(TvxSkinWindow& window) : window_(window) {}

TvxSkinControl::~TvxSkinControl() {
  dispatch_->painterGone = true;
}

TvxSkinEngine& TvxSkinControl::Engine() const {
  return window_.Engine();
}

const skin::TvxSkinReader& TvxSkinControl::Reader() const {
  return Engine().Reader();
}

bool TvxSkinControl::Skinning() const {
  const TvxSkinEngine& engine = Engine();
  return !failed_ && engine.Skinning() && !engine.IsDisabledTag(ControlTag());
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
  // Messages nest (a paint asks the control to draw itself): each has
  // its own frame and handled flag, put back before a failure is handled.
  // What the control's own handler does may free the painter: from then
  // on the message touches only what it holds itself.
  const std::shared_ptr<DispatchState> dispatch = dispatch_;
  MessageFrame frame{saved};
  try {
    const base::ScopedValue frameScope(dispatch->frame, &frame);
    const base::ScopedValue handledScope(dispatch->handled, false);
    if (BeforeMessage(message)) {
      CallSaved(message);
    }
    if (!dispatch->painterGone && !dispatch->handled) {
      AfterMessage(message);
    }
  } catch (...) {
    if (frame.savedRaised || dispatch->painterGone) {
      throw;
    }
    Fail(std::current_exception());
    if (!frame.passedOn) {
      saved(message);
    }
  }
}

void TvxSkinControl::CallSaved(ui::TMessage& message) {
  MessageFrame& frame = *dispatch_->frame;
  frame.passedOn = true;
  try {
    frame.saved(message);
  } catch (...) {
    frame.savedRaised = true;
    throw;
  }
}

// One painter that fails does not keep the others of its window from
// their look.
void TvxSkinControl::Refresh() {
  try {
    UpdateLook();
  } catch (...) {
    Fail(std::current_exception());
  }
  InvalidateRect(GetHandle(), nullptr, TRUE);
}

void TvxSkinControl::Fail(std::exception_ptr error) {
  if (failed_) {
    return;
  }
  failed_ = true;
  win::ReportException(error);
  Refresh();
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

void TvxSkinControl::RepaintWhole() {
  if (Skinning()) {
    Paint();
    ValidateRect(GetHandle(), nullptr);
  }
}

void TvxSkinControl::PaintInPaintMessage(ui::TMessage& message) {
  const win::PaintDC paint(GetHandle());
  const base::ScopedValue painting(paintDc_, paint.Get());
  Paint();
  message.Result = 0;
  MarkHandled();
}

bool TvxSkinControl::DrawsAtOnce(UINT message) {
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN:
      return true;
  }
  return false;
}

bool TvxSkinControl::TakePaintMessages(ui::TMessage& message) {
  if (message.Msg == WM_PAINT) {
    PaintInPaintMessage(message);
    return true;
  }
  if (message.Msg == WM_ERASEBKGND) {
    message.Result = 1;
    MarkHandled();
    return true;
  }
  return false;
}

RECT TvxSkinControl::GetPaintRect() const {
  RECT client{};
  GetClientRect(GetHandle(), &client);
  return client;
}

image::ColorRef TvxSkinControl::ControlColor() const {
  return GetSysColor(COLOR_BTNFACE);
}

HFONT TvxSkinControl::ControlFont() const {
  auto font = reinterpret_cast<HFONT>(SendMessageW(GetHandle(), WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

COLORREF TvxSkinControl::SkinColor(int index, COLORREF fallback) const {
  return ScreenColor(Reader().Color(index), fallback);
}

DibBuffer& TvxSkinControl::StartPicture() {
  const RECT client = GetPaintRect();
  picture_.Resize(client.right - client.left, client.bottom - client.top);
  return picture_;
}

void TvxSkinControl::PrintControl() {
  SendMessageW(GetHandle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture_.Dc()), PRF_CLIENT);
  GdiFlush();
}

void TvxSkinControl::ShowPicture() {
  if (paintDc_) {
    picture_.CopyTo(paintDc_, 0, 0);
    return;
  }
  win::ClientDC dc(GetHandle());
  if (dc.Get()) {
    picture_.CopyTo(dc.Get(), 0, 0);
  }
}

void TvxSkinControl::DrawCaption(const std::wstring& text, RECT rect, COLORREF color) {
  HDC dc = picture_.Dc();
  win::SelectedObject font(dc, ControlFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, IsEnabled() ? color : kGrayText);
  if (state_ & kPressed) {
    OffsetRect(&rect, 1, 1);
  }
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  GdiFlush();
}

TvxSkinControlVCL::TvxSkinControlVCL(TvxSkinWindow& window, ui::TControl& control)
    : TvxSkinControl(window),
      control_(control),
      link_(std::make_unique<WindowProcLink>(
          control,
          [this](ui::TMessage& message, const ui::TWndMethod& next) { Dispatch(message, next); })) {
}

image::ColorRef TvxSkinControlVCL::ControlColor() const {
  return ui::ColorToRGB(control_.Color());
}

void TvxSkinControlVCL::SaveOwnColors() {
  ownColor_ = control_.Color();
  ownFontColor_ = control_.Font().Color();
}

void TvxSkinControlVCL::UpdateLook() {
  const bool skinned = Skinning();
  if (WantsParentColor() && control_.Parent()) {
    const ui::TColor wanted = skinned ? control_.Parent()->Color() : ownColor_;
    if (control_.Color() != wanted) {
      control_.SetColor(wanted);
    }
  }
  if (SkinFontColor() >= 0) {
    const image::ColorRef skin = Reader().Color(SkinFontColor());
    const ui::TColor wanted = skinned && image::IsPlainColor(skin) ? skin : ownFontColor_;
    if (control_.Font().Color() != wanted) {
      control_.Font().SetColor(wanted);
    }
  }
}

TvxSkinControlWnd::TvxSkinControlWnd(TvxSkinWindow& window, HWND control)
    : TvxSkinControl(window),
      handle_(control),
      link_(std::make_unique<SubclassLink>(
          control,
          [this](ui::TMessage& message, const ui::TWndMethod& next) { Dispatch(message, next); })) {
}

image::ColorRef TvxSkinControlWnd::ControlColor() const {
  const image::ColorRef form = Engine().Metrics().formColor;
  return image::IsPlainColor(form) ? form : GetSysColor(COLOR_BTNFACE);
}

}  // namespace skinning
