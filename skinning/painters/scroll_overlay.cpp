#include "skinning/painters/scroll_overlay.h"

#include "skinning/engine/window_messages.h"
#include "win/gdi.h"
#include "win/os_error.h"

namespace skinning {

ScrollOverlay::ScrollOverlay(HWND parent, PaintHandler paint, MouseHandler mouse)
    : paint_(std::move(paint)), mouse_(std::move(mouse)) {
  const wchar_t* windowClass = win::RegisterWindowClass("TvxSkinInternalScrollBar", CS_DBLCLKS);
  window_ = CreateWindowExW(0, windowClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                            nullptr, GetModuleHandleW(nullptr), static_cast<WindowObject*>(this));
  if (!window_) {
    win::RaiseLastOSError();
  }
}

ScrollOverlay::~ScrollOverlay() {
  if (window_) {
    Unlink(window_);
    DestroyWindow(window_);
  }
}

void ScrollOverlay::ShowAt(const RECT& rect) {
  SetWindowPos(window_, HWND_TOP, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Invalidate();
}

void ScrollOverlay::Hide() {
  if (Shown()) {
    ShowWindow(window_, SW_HIDE);
  }
}

void ScrollOverlay::Invalidate() {
  if (window_) {
    InvalidateRect(window_, nullptr, FALSE);
  }
}

void ScrollOverlay::Compose() {
  RECT client{};
  GetClientRect(window_, &client);
  picture_.Resize(client.right, client.bottom);
  paint_(picture_);
}

LRESULT ScrollOverlay::WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCDESTROY:  // its parent went first
      window_ = nullptr;
      break;
    case kMsgIsSkinned:
      return 1;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      const win::PaintDC paint(window_);
      Compose();
      picture_.CopyTo(paint.Get(), 0, 0);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
      mouse_(message, wParam, lParam);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace skinning
