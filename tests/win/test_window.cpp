#include "tests/win/test_window.h"

namespace win_test {

TestWindow::TestWindow(const std::string& className, HWND parent) {
  CreateWindowExW(0, win::RegisterWindowClass(className), L"", 0, 0, 0, 0, 0, parent, nullptr,
                  GetModuleHandleW(nullptr), static_cast<WindowObject*>(this));
}

TestWindow::~TestWindow() {
  if (handle_) {
    DestroyWindow(handle_);
  }
}

LRESULT TestWindow::WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  messages_.push_back(message);
  switch (message) {
    case WM_NCCREATE:
      handle_ = window;
      break;
    case WM_NCDESTROY:
      handle_ = nullptr;
      break;
    case kAnswer:
      return kTheAnswer;
  }
  if (onMessage) {
    onMessage(message);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace win_test
