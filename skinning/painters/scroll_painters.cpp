#include "skinning/painters/scroll_painters.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/skin_keys.h"
#include "skinning/engine/skin_engine.h"
#include "skinning/pictures/canvas_shapes.h"
#include "skinning/pictures/scroll_bar_picture.h"
#include "win/gdi.h"

namespace skinning {

namespace {

// The edge the border takes the place of: the system's sunken edge.
constexpr int kBorderWidth = 2;
// Scroll bars thicker than this are taken for a wrong answer.
constexpr int kMaxBarThickness = 100;

// Messages that ask or answer and never move a scroll bar.
bool MayMoveScrollBars(UINT message) {
  switch (message) {
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_MOUSEMOVE:
    case WM_GETDLGCODE:
    case WM_GETFONT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_NOTIFYFORMAT:
    case WM_PRINTCLIENT:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_GETOBJECT:
    case SBM_GETSCROLLBARINFO:  // asked by GetScrollBarInfo itself
    case SBM_GETSCROLLINFO:
    case SBM_GETPOS:
    case SBM_GETRANGE:
      return false;
  }
  return true;
}

bool Plausible(const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  return width > 0 && height > 0 && std::min(width, height) <= kMaxBarThickness;
}

bool SameBar(const SCROLLBARINFO& a, const SCROLLBARINFO& b) {
  return EqualRect(&a.rcScrollBar, &b.rcScrollBar) && a.xyThumbTop == b.xyThumbTop &&
         a.xyThumbBottom == b.xyThumbBottom && a.rgstate[0] == b.rgstate[0];
}

// The thumb in the bar's own coordinates, `breadth` pixels across and
// centred; empty when the bar has none to show.
RECT ThumbRect(const SCROLLBARINFO& info, bool vertical, int breadth) {
  const int width = info.rcScrollBar.right - info.rcScrollBar.left;
  const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
  if ((info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) || info.xyThumbBottom <= info.xyThumbTop) {
    return {0, 0, 0, 0};
  }
  if (vertical) {
    const int left = (width - breadth) / 2;
    return {left, info.xyThumbTop, left + breadth, info.xyThumbBottom};
  }
  const int top = (height - breadth) / 2;
  return {info.xyThumbTop, top, info.xyThumbBottom, top + breadth};
}

image::Rect ImageRect(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

bool TvxSkinBorderWinControl::HasBorder() const {
  const LONG style = GetWindowLongW(GetHandle(), GWL_STYLE);
  const LONG exStyle = GetWindowLongW(GetHandle(), GWL_EXSTYLE);
  return (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) != 0 || (style & WS_BORDER) != 0;
}

bool TvxSkinBorderWinControl::BeforeMessage(ui::TMessage& message) {
  if (message.Msg == WM_NCPAINT && HasBorder()) {
    PaintNonClient(message);
    return false;
  }
  return true;
}

// The system draws the rest of the non-client area (the scroll bars), we
// draw the border's rows. What lies under our own panels the system need
// not draw at all; often nothing is left for it then.
void TvxSkinBorderWinControl::PaintNonClient(ui::TMessage& message) {
  RECT window{};
  GetWindowRect(GetHandle(), &window);
  InflateRect(&window, -kBorderWidth, -kBorderWidth);
  win::UniqueRegion rest(CreateRectRgnIndirect(&window));
  if (message.WParam != 1) {
    CombineRgn(rest.Get(), rest.Get(), reinterpret_cast<HRGN>(message.WParam), RGN_AND);
  }
  RECT client{};
  GetClientRect(GetHandle(), &client);
  MapWindowPoints(GetHandle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  win::UniqueRegion clientRegion(CreateRectRgnIndirect(&client));
  CombineRgn(rest.Get(), rest.Get(), clientRegion.Get(), RGN_DIFF);
  ExcludeCovered(rest.Get());
  RECT box{};
  if (GetRgnBox(rest.Get(), &box) != NULLREGION) {
    ui::TMessage systemPart{WM_NCPAINT, reinterpret_cast<WPARAM>(rest.Get()), message.LParam, 0};
    CallSaved(systemPart);
  }
  PaintBorder();
  message.Result = 0;
  MarkHandled();
}

void TvxSkinBorderWinControl::AfterMessage(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
    case WM_SETTEXT:
      return;  // the client area is the control's own
  }
  TvxSkinControlVCL::AfterMessage(message);
}

void TvxSkinBorderWinControl::PaintBorder() {
  if (!HasBorder()) {
    return;
  }
  RECT window{};
  GetWindowRect(GetHandle(), &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  picture_.Resize(width, height);
  OutlineRect(picture_.Canvas(), {0, 0, width, height}, Reader().Color(skin::kColorControlBorder));
  OutlineRect(picture_.Canvas(), {1, 1, width - 1, height - 1}, ControlColor());
  // Only the border's rows and the corner are put on the window.
  win::UniqueRegion shown(CreateRectRgn(0, 0, width, height));
  win::UniqueRegion inside(
      CreateRectRgn(kBorderWidth, kBorderWidth, width - kBorderWidth, height - kBorderWidth));
  CombineRgn(shown.Get(), shown.Get(), inside.Get(), RGN_DIFF);
  RECT corner = ScrollCorner();
  if (!IsRectEmpty(&corner)) {
    OffsetRect(&corner, -window.left, -window.top);
    picture_.Canvas().Fill(ImageRect(corner), Engine().Metrics().formColor);
    win::UniqueRegion cornerRegion(CreateRectRgnIndirect(&corner));
    CombineRgn(shown.Get(), shown.Get(), cornerRegion.Get(), RGN_OR);
  }
  const win::WindowDC dc(GetHandle());
  if (!dc.Get()) {
    return;
  }
  ExtSelectClipRgn(dc.Get(), shown.Get(), RGN_AND);
  picture_.CopyTo(dc.Get(), 0, 0);
}

TvxSkinScrollWinControl::TvxSkinScrollWinControl(TvxSkinWindow& window, ui::TControl& control)
    : TvxSkinBorderWinControl(window, control) {}

TvxSkinScrollWinControl::~TvxSkinScrollWinControl() = default;

void TvxSkinScrollWinControl::AfterMessage(ui::TMessage& message) {
  TvxSkinBorderWinControl::AfterMessage(message);
  if (message.Msg == WM_SETREDRAW) {
    redrawOff_ = message.WParam == FALSE;
  }
  if (MayMoveScrollBars(message.Msg)) {
    SyncScrollBars();
  }
}

void TvxSkinScrollWinControl::UpdateLook() {
  TvxSkinBorderWinControl::UpdateLook();
  SyncScrollBars();
}

bool TvxSkinScrollWinControl::Covered(const Bar& bar) {
  return bar.overlay && bar.overlay->Shown();
}

void TvxSkinScrollWinControl::ExcludeCovered(HRGN region) const {
  const auto exclude = [region](const RECT& rect) {
    win::UniqueRegion part(CreateRectRgnIndirect(&rect));
    CombineRgn(region, region, part.Get(), RGN_DIFF);
  };
  for (const Bar& bar : bars_) {
    if (Covered(bar)) {
      exclude(bar.shown.rcScrollBar);
    }
  }
  exclude(ScrollCorner());
}

// The columns of the vertical bar on the rows of the horizontal one.
RECT TvxSkinScrollWinControl::ScrollCorner() const {
  const RECT& vertical = bars_[0].shown.rcScrollBar;
  const RECT& horizontal = bars_[1].shown.rcScrollBar;
  if (!Covered(bars_[0]) || !Covered(bars_[1])) {
    return {};
  }
  return {vertical.left, horizontal.top, vertical.right, horizontal.bottom};
}

void TvxSkinScrollWinControl::SyncScrollBars() {
  if (redrawOff_) {
    return;
  }
  const RECT cornerBefore = ScrollCorner();
  for (Bar& bar : bars_) {
    SyncBar(bar);
  }
  const RECT cornerAfter = ScrollCorner();
  if (!EqualRect(&cornerBefore, &cornerAfter)) {
    // The corner changes hands between the skin and the system, which
    // repaints only what a panel uncovers.
    for (RECT corner : {cornerBefore, cornerAfter}) {
      MapWindowPoints(HWND_DESKTOP, GetHandle(), reinterpret_cast<POINT*>(&corner), 2);
      if (!IsRectEmpty(&corner)) {
        RedrawWindow(GetHandle(), &corner, nullptr, RDW_FRAME | RDW_INVALIDATE);
      }
    }
  }
}

void TvxSkinScrollWinControl::SyncBar(Bar& bar) {
  HWND control = GetHandle();
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  const bool wanted =
      Skinning() && Engine().DrawScrollBar() && IsWindowVisible(control) &&
      GetScrollBarInfo(control, bar.vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info) &&
      !(info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) &&
      Plausible(info.rcScrollBar);
  if (!wanted) {
    if (bar.overlay) {
      bar.overlay->Hide();
    }
    bar.shown = {};
    return;
  }
  if (bar.overlay && bar.overlay->Shown() && SameBar(info, bar.shown)) {
    return;
  }
  if (!bar.overlay) {
    bar.overlay = std::make_unique<ScrollOverlay>(
        GetParent(control), [this, &bar](DibBuffer& picture) { PaintBar(bar, picture); },
        [this, &bar](UINT message, WPARAM, LPARAM point) { PassMouse(bar, message, point); });
  }
  const bool moved = !EqualRect(&info.rcScrollBar, &bar.shown.rcScrollBar) || !bar.overlay->Shown();
  bar.shown = info;
  if (!moved) {
    bar.overlay->Invalidate();
    return;
  }
  RECT rect = info.rcScrollBar;
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  bar.overlay->ShowAt(rect);
}

void TvxSkinScrollWinControl::PaintBar(const Bar& bar, DibBuffer& picture) const {
  const skin::TvxSkinScrollBtnRes& pictures = Engine().ScrollButtons();
  const int breadth = std::min(kMaxThumbBreadth, pictures.ThumbWidth());
  DrawScrollBar(pictures, Reader().Color(skin::kColorScrollBar), picture.Canvas(),
                {0, 0, picture.Width(), picture.Height()},
                ImageRect(ThumbRect(bar.shown, bar.vertical, breadth)), bar.vertical);
}

// As presses on the control's own bar, at the same point of the screen.
void TvxSkinScrollWinControl::PassMouse(const Bar& bar, UINT message, LPARAM point) {
  UINT passed = 0;
  switch (message) {
    case WM_LBUTTONDOWN:
      passed = WM_NCLBUTTONDOWN;
      break;
    case WM_LBUTTONUP:
      passed = WM_NCLBUTTONUP;
      break;
    case WM_LBUTTONDBLCLK:
      passed = WM_NCLBUTTONDBLCLK;
      break;
    default:
      return;
  }
  POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  ClientToScreen(bar.overlay->Handle(), &at);
  SendMessageW(GetHandle(), passed, bar.vertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(at.x, at.y));
}

TvxSkinScrollBar::TvxSkinScrollBar(TvxSkinWindow& window, ui::TControl& control)
    : TvxSkinControlVCL(window, control) {}

TvxSkinScrollBar::~TvxSkinScrollBar() = default;

void TvxSkinScrollBar::AfterMessage(ui::TMessage& message) {
  TvxSkinControlVCL::AfterMessage(message);
  switch (message.Msg) {
    case WM_SHOWWINDOW:
    case WM_WINDOWPOSCHANGED:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      Sync();
      if (overlay_) {
        overlay_->Invalidate();
      }
      return;
  }
  if (MayMoveScrollBars(message.Msg)) {
    Sync();
  }
}

void TvxSkinScrollBar::UpdateLook() {
  TvxSkinControlVCL::UpdateLook();
  Sync();
}

void TvxSkinScrollBar::Sync() {
  HWND control = GetHandle();
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  const bool wanted = Skinning() && Engine().DrawScrollBar() && IsWindowVisible(control) &&
                      GetScrollBarInfo(control, OBJID_CLIENT, &info);
  if (!wanted) {
    if (overlay_) {
      overlay_->Hide();
    }
    return;
  }
  if (!overlay_) {
    overlay_ = std::make_unique<ScrollOverlay>(
        GetParent(control), [this](DibBuffer& picture) { PaintBar(picture); },
        [this](UINT message, WPARAM wParam, LPARAM point) { PassMouse(message, wParam, point); });
  }
  RECT bounds{};
  GetWindowRect(control, &bounds);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
  if (!overlay_->Shown() || !EqualRect(&bounds, &placed_)) {
    placed_ = bounds;
    shown_ = info;
    overlay_->ShowAt(bounds);
  } else if (!SameBar(info, shown_)) {
    shown_ = info;
    overlay_->Invalidate();
  }
}

void TvxSkinScrollBar::PaintBar(DibBuffer& picture) const {
  const bool vertical = (GetWindowLongW(GetHandle(), GWL_STYLE) & SBS_VERT) != 0;
  const int breadth = vertical ? picture.Width() : picture.Height();
  const RECT thumb = ThumbRect(shown_, vertical, breadth);
  DrawScrollBar(Engine().ScrollButtons(), Reader().Color(skin::kColorScrollBar), picture.Canvas(),
                {0, 0, picture.Width(), picture.Height()}, ImageRect(thumb), vertical);
  if (GetFocus() == GetHandle() && !IsRectEmpty(&thumb)) {
    RECT focus = thumb;
    InflateRect(&focus, -1, -1);
    SetTextColor(picture.Dc(), 0x000000);
    SetBkColor(picture.Dc(), 0xFFFFFF);
    DrawFocusRect(picture.Dc(), &focus);
    GdiFlush();
  }
}

// The panel has the scroll bar's bounds: the point is the same.
void TvxSkinScrollBar::PassMouse(UINT message, WPARAM wParam, LPARAM point) {
  if (message == WM_LBUTTONDBLCLK) {
    message = WM_LBUTTONDOWN;
  }
  ReleaseCapture();
  SendMessageW(GetHandle(), message, wParam, point);
  Sync();
}

}  // namespace skinning
