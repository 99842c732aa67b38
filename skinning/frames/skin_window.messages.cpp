// The messages of a skinned top-level window.
#include <windowsx.h>

#include "skinning/engine/skin_engine.h"
#include "skinning/engine/window_messages.h"
#include "skinning/frames/skin_window.h"
#include "ui/menu.h"

namespace skinning {

namespace {

LRESULT HitCode(TitleHit hit) {
  switch (hit) {
    case TitleHit::kIcon:
      return HTSYSMENU;
    case TitleHit::kClose:
      return HTCLOSE;
    case TitleHit::kMaximize:
      return HTMAXBUTTON;
    case TitleHit::kMinimize:
      return HTMINBUTTON;
    case TitleHit::kHelp:
      return HTHELP;
    case TitleHit::kNone:
      break;
  }
  return HTCAPTION;
}

POINT PointOf(LPARAM screenPoint) {
  return {GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
}

// Owner-drawn menu items tell who they are by their item data.
bool HandleMenuItemMessage(ui::TMessage& message) {
  if (message.Msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    ui::TMenuItem* item =
        measure->CtlType == ODT_MENU ? ui::TMenuItem::FromItemData(measure->itemData) : nullptr;
    if (!item) {
      return false;
    }
    item->MeasureItem(*measure);
  } else {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    ui::TMenuItem* item =
        draw->CtlType == ODT_MENU ? ui::TMenuItem::FromItemData(draw->itemData) : nullptr;
    if (!item) {
      return false;
    }
    item->DrawItem(*draw);
  }
  message.Result = TRUE;
  return true;
}

}  // namespace

void TvxSkinWindow::HandleMessage(ui::TMessage& message, const ui::TWndMethod& next) {
  switch (message.Msg) {
    case kMsgIsSkinned:
      message.Result = 1;
      return;
    case kMsgIsActive:
      message.Result = active_ ? 1 : 2;
      return;
    case kMsgMenuBarHeight:
      message.Result = MenuBarHeight();
      return;
    case WM_NCDESTROY:
      next(message);
      Destroyed();
      return;
    case WM_ACTIVATE:
      active_ = LOWORD(message.WParam) != WA_INACTIVE;
      break;
    case WM_NCACTIVATE:
      active_ = message.WParam != 0;
      break;
  }
  if (HandleOwnMessage(message, next)) {
    return;
  }
  if (!frameOn_) {
    next(message);
    return;
  }
  if (HandleFrameMessage(message, next)) {
    return;
  }
  next(message);
  AfterFrameMessage(message);
}

// What a skinned frame answers in place of the window's own handler.
bool TvxSkinWindow::HandleFrameMessage(ui::TMessage& message, const ui::TWndMethod& next) {
  switch (message.Msg) {
    case WM_NCPAINT:
      PaintFrame();
      message.Result = 0;
      return true;
    case WM_NCHITTEST:
      message.Result = HitTest(message.LParam);
      return true;
    case WM_NCLBUTTONDOWN:
      NonClientButtonDown(message, next);
      return true;
    case WM_NCLBUTTONDBLCLK:
      NonClientDoubleClick(message, next);
      return true;
    case WM_NCCALCSIZE: {
      // The window's own handler sees the message; the rectangle it is
      // given decides.
      RECT& proposed = *reinterpret_cast<RECT*>(message.LParam);
      const RECT window = proposed;
      next(message);
      proposed = window;
      CalcClientRect(proposed);
      message.Result = 0;
      return true;
    }
    case WM_CTLCOLORDLG:
      message.Result = reinterpret_cast<LRESULT>(engine_.FormBrush());
      return true;
    case WM_NCACTIVATE:
      // -1 keeps the system from painting its own caption first.
      message.LParam = -1;
      next(message);
      PaintFrame();
      return true;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      return HandleMenuItemMessage(message);
    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) == SC_KEYMENU && message.LParam == ' ') {
        ShowSystemMenuBelowIcon();
        return true;
      }
      return false;
  }
  return false;
}

// What a skinned frame does once the window's own handler is done.
void TvxSkinWindow::AfterFrameMessage(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_ACTIVATE:
      PaintFrame();
      break;
    case WM_NCMOUSEMOVE:
      NonClientMouseMove(message.LParam);
      break;
    case WM_NCMOUSELEAVE:
      tracksLeave_ = false;
      SetHover(TitleHit::kNone, false);
      break;
    case WM_NCLBUTTONUP:
      NonClientButtonUp(message.LParam);
      break;
    case WM_NCRBUTTONDOWN:
      if (message.WParam == HTCAPTION) {
        engine_.ShowSystemMenu(*this, PointOf(message.LParam));
      }
      break;
    case WM_SETTEXT:
      PaintFrame();
      Reshape();
      break;
    case WM_SIZE:
      if (message.WParam == SIZE_MAXIMIZED) {
        KeepMaximizedInWorkArea();
      }
      Resized();
      Reshape();
      break;
  }
}

// With or without valid rectangles asked for, the first rectangle becomes
// the client area: the window less the title bar and the borders.
void TvxSkinWindow::CalcClientRect(RECT& rect) const {
  const SkinMetrics& metrics = engine_.Metrics();
  const LONG top = rect.top + TitleRows();
  if (IsIconic(handle_)) {
    rect.top = rect.bottom = std::min(top, rect.bottom);
    rect.right = rect.left;
    return;
  }
  rect.top = top;
  rect.left += metrics.PaddedLeft();
  rect.right = std::max(rect.left, rect.right - metrics.PaddedRight());
  rect.bottom = std::max(rect.top, rect.bottom - metrics.PaddedBottom());
}

TitleHit TvxSkinWindow::TitleHitAt(LPARAM screenPoint) const {
  RECT window{};
  GetWindowRect(handle_, &window);
  const POINT at = PointOf(screenPoint);
  const int x = at.x - window.left;
  const int y = at.y - window.top;
  if (y < 0 || y >= TitleRows()) {
    return TitleHit::kNone;
  }
  return HitTestTitleBar(TitleLayout(), x, y);
}

LRESULT TvxSkinWindow::HitTest(LPARAM screenPoint) const {
  RECT window{};
  GetWindowRect(handle_, &window);
  const POINT at = PointOf(screenPoint);
  if (!PtInRect(&window, at)) {
    return HTNOWHERE;
  }
  const int x = at.x - window.left;
  const int y = at.y - window.top;
  RECT client{};
  GetClientRect(handle_, &client);
  const POINT origin = ClientOrigin();
  OffsetRect(&client, origin.x, origin.y);
  if (PtInRect(&client, POINT{x, y})) {
    return HTCLIENT;
  }
  if (y < TitleRows()) {
    return HitCode(HitTestTitleBar(TitleLayout(), x, y));
  }
  if ((originalStyle_ & WS_THICKFRAME) && !IsZoomed(handle_)) {
    const bool bottom = y >= client.bottom;
    if (x < client.left) {
      return bottom ? HTBOTTOMLEFT : HTLEFT;
    }
    if (x >= client.right) {
      return bottom ? HTBOTTOMRIGHT : HTRIGHT;
    }
    if (bottom) {
      return HTBOTTOM;
    }
  }
  return HTBORDER;
}

void TvxSkinWindow::SetHover(TitleHit hover, bool pressed) {
  if (hover == hover_ && pressed == pressed_) {
    return;
  }
  hover_ = hover;
  pressed_ = pressed;
  PaintFrame();
}

void TvxSkinWindow::NonClientButtonDown(ui::TMessage& message, const ui::TWndMethod& next) {
  const TitleHit hit = TitleHitAt(message.LParam);
  pressTarget_ = hit;
  if (message.WParam != HTCAPTION && message.WParam != HTSYSMENU && hit == TitleHit::kNone) {
    next(message);  // a border: sizing is the system's
    return;
  }
  SetHover(hit, true);
  if (GetActiveWindow() != handle_) {
    SetActiveWindow(handle_);
  }
  if (hit == TitleHit::kNone && !IsZoomed(handle_)) {
    next(message);  // the caption: the system drags the window
    SetHover(TitleHitAt(GetMessagePos()), false);
  }
}

// On the title bar: the caption maximizes or restores, the icon closes,
// the buttons ignore it.
void TvxSkinWindow::NonClientDoubleClick(ui::TMessage& message, const ui::TWndMethod& next) {
  switch (message.WParam) {
    case HTCAPTION:
    case HTSYSMENU:
    case HTCLOSE:
    case HTMAXBUTTON:
    case HTMINBUTTON:
    case HTHELP:
      break;
    default:
      next(message);
      return;
  }
  switch (TitleHitAt(message.LParam)) {
    case TitleHit::kNone:
      MaximizeOrRestore();
      break;
    case TitleHit::kIcon:
      Close();
      break;
    default:
      break;
  }
}

// The hot button follows the mouse; a press is dropped once the mouse is
// over no button. The system says when the mouse leaves the frame.
void TvxSkinWindow::NonClientMouseMove(LPARAM screenPoint) {
  const TitleHit hit = TitleHitAt(screenPoint);
  SetHover(hit, pressed_ && hit != TitleHit::kNone);
  if (!tracksLeave_) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE | TME_NONCLIENT;
    track.hwndTrack = handle_;
    tracksLeave_ = TrackMouseEvent(&track) != FALSE;
  }
}

// A button acts only when it was pressed as well as released.
void TvxSkinWindow::NonClientButtonUp(LPARAM screenPoint) {
  const TitleHit hit = TitleHitAt(screenPoint);
  const bool pressedHere = pressed_ && pressTarget_ == hit;
  pressTarget_ = TitleHit::kNone;
  SetHover(hit, false);
  if (pressedHere) {
    Act(hit);
  }
}

void TvxSkinWindow::Act(TitleHit target) {
  switch (target) {
    case TitleHit::kIcon:
      ShowSystemMenuBelowIcon();
      break;
    case TitleHit::kClose:
      Close();
      break;
    case TitleHit::kMaximize:
      MaximizeOrRestore();
      break;
    case TitleHit::kMinimize:
      Minimize();
      break;
    case TitleHit::kHelp:
      PostMessageW(handle_, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
      break;
    case TitleHit::kNone:
      break;
  }
}

void TvxSkinWindow::ShowSystemMenuBelowIcon() {
  RECT window{};
  GetWindowRect(handle_, &window);
  const TitleBarLayout layout = TitleLayout();
  const int x = layout.icon.Width() > 0 ? layout.icon.left : std::max(engine_.Metrics().iconX, 0);
  const int y = layout.icon.Width() > 0 ? layout.icon.bottom : engine_.Metrics().titleHeight;
  engine_.ShowSystemMenu(*this, {window.left + x, window.top + y});
}

// A maximized window covers the work area of its monitor with its borders
// just outside it.
void TvxSkinWindow::KeepMaximizedInWorkArea() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(handle_, MONITOR_DEFAULTTONEAREST), &monitor)) {
    return;
  }
  RECT wanted = monitor.rcWork;
  wanted.bottom -= 1;
  InflateRect(&wanted, 4, 4);
  RECT window{};
  GetWindowRect(handle_, &window);
  if (window.right - window.left < wanted.right - wanted.left ||
      window.bottom - window.top < wanted.bottom - wanted.top) {
    SetWindowPos(handle_, nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                 wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace skinning
