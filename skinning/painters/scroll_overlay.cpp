#include "skinning/painters/scroll_overlay.h"

#include "skinning/engine/deferred_release.h"
#include "skinning/engine/window_messages.h"
#include "ui/application.h"
#include "win/gdi.h"
#include "win/os_error.h"

namespace skinning {

const wchar_t* ScrollOverlay::WindowClass() {
  static const wchar_t* const name = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &ScrollOverlay::Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"TvxSkinInternalScrollBar";
    if (!RegisterClassExW(&windowClass)) {
      win::RaiseLastOSError();
    }
    return L"TvxSkinInternalScrollBar";
  }();
  return name;
}

ScrollOverlay::ScrollOverlay(HWND parent, PaintHandler paint, MouseHandler mouse)
    : paint_(std::move(paint)), mouse_(std::move(mouse)) {
  window_ = CreateWindowExW(0, WindowClass(), L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window_) {
    win::RaiseLastOSError();
  }
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ScrollOverlay::~ScrollOverlay() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
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

LRESULT CALLBACK ScrollOverlay::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* overlay = reinterpret_cast<ScrollOverlay*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!overlay) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {  // its parent went first
    overlay->window_ = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  MessageScope scope;
  try {
    return overlay->Handle(message, wParam, lParam);
  } catch (...) {
    ui::Application().HandleException();
  }
  return 0;
}

LRESULT ScrollOverlay::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
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
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace skinning
