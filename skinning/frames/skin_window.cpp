#include "skinning/frames/skin_window.h"

#include <algorithm>

#include "skinning/engine/skin_engine.h"

namespace skinning {

TvxSkinWindow::TvxSkinWindow(TvxSkinEngine& engine, HWND handle, base::TComponent* owner,
                             TvxWindowKind kind, int ownNonClientHeight)
    : base::TComponent(owner),
      originalStyle_(static_cast<DWORD>(GetWindowLongW(handle, GWL_STYLE))),
      originalExStyle_(static_cast<DWORD>(GetWindowLongW(handle, GWL_EXSTYLE))),
      engine_(engine),
      handle_(handle),
      kind_(kind),
      ownNonClientHeight_(ownNonClientHeight),
      active_(GetActiveWindow() == handle) {
  // A window without a caption (a splash picture, a pop-up) keeps its look.
  frameAllowed_ = (originalStyle_ & WS_CAPTION) == WS_CAPTION;
}

// The kinds switch their skin off in their own destructors, while they are
// whole; the painters go before the window's own link.
TvxSkinWindow::~TvxSkinWindow() {
  painters_.clear();
  engine_.WindowGone(*this);
}

void TvxSkinWindow::AddPainter(std::unique_ptr<TvxSkinControl> painter) {
  painter->SaveOwnColors();
  painters_.push_back(std::move(painter));
}

void TvxSkinWindow::UpdatePainters() {
  for (const auto& painter : painters_) {
    painter->Refresh();
  }
}

void TvxSkinWindow::ApplySkin() {
  const bool wanted = engine_.Skinning() && frameAllowed_ && WindowExists();
  if (wanted == frameOn_) {
    return;
  }
  if (wanted) {
    SkinOn();
    Reshape();
    PaintFrame();
  } else {
    SkinOff();
  }
}

void TvxSkinWindow::Restyle() {
  if (frameOn_ && engine_.Skinning() && frameAllowed_ && WindowExists()) {
    SkinAgain();
    return;
  }
  if (frameOn_) {
    SkinOff();
  }
  ApplySkin();
}

void TvxSkinWindow::FrameChanged() {
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

int TvxSkinWindow::TitleRows() const {
  return std::max(engine_.Metrics().titleHeight, ownNonClientHeight_);
}

SIZE TvxSkinWindow::SkinnedWindowSize(int clientWidth, int clientHeight) const {
  const SkinMetrics& metrics = engine_.Metrics();
  return {clientWidth + metrics.PaddedLeft() + metrics.PaddedRight(),
          clientHeight + TitleRows() + metrics.PaddedBottom()};
}

void TvxSkinWindow::RemoveShape() {
  shape_.clear();
  if (WindowExists()) {
    SetWindowRgn(handle_, nullptr, TRUE);
  }
}

CaptionButtonSet TvxSkinWindow::Buttons() const {
  CaptionButtonSet buttons;
  const bool systemMenu = (originalStyle_ & WS_SYSMENU) != 0;
  buttons.close = systemMenu;
  buttons.maximize = systemMenu && !IsDialog() && (originalStyle_ & WS_MAXIMIZEBOX) != 0;
  buttons.minimize = systemMenu && !IsDialog() && (originalStyle_ & WS_MINIMIZEBOX) != 0;
  buttons.help = (originalExStyle_ & WS_EX_CONTEXTHELP) != 0;
  return buttons;
}

bool TvxSkinWindow::ShowsIcon() const {
  return (originalStyle_ & WS_SYSMENU) != 0 && !IsDialog();
}

bool TvxSkinWindow::IsDialog() const {
  return (originalExStyle_ & WS_EX_DLGMODALFRAME) != 0;
}

// The window's own icon (set on the window, or on its class), else the
// program's, else the system's picture of a program.
HICON TvxSkinWindow::Icon() const {
  for (WPARAM kind : {ICON_SMALL, ICON_BIG}) {
    if (auto icon = reinterpret_cast<HICON>(SendMessageW(handle_, WM_GETICON, kind, 0))) {
      return icon;
    }
  }
  for (int index : {GCLP_HICONSM, GCLP_HICON}) {
    if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(handle_, index))) {
      return icon;
    }
  }
  if (HICON icon = engine_.ApplicationIcon()) {
    return icon;
  }
  return LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
}

POINT TvxSkinWindow::ClientOrigin() const {
  RECT window{};
  GetWindowRect(handle_, &window);
  POINT origin{0, 0};
  ClientToScreen(handle_, &origin);
  return {origin.x - window.left, origin.y - window.top};
}

void TvxSkinWindow::Minimize() {
  PostMessageW(handle_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TvxSkinWindow::MaximizeOrRestore() {
  if (IsZoomed(handle_) || IsIconic(handle_)) {
    PostMessageW(handle_, WM_SYSCOMMAND, SC_RESTORE, 0);
  } else if (Buttons().maximize) {
    PostMessageW(handle_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  }
}

void TvxSkinWindow::Close() {
  PostMessageW(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace skinning
