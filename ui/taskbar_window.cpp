#include "ui/taskbar_window.h"

#include "ui/application.h"
#include "ui/form.h"
#include "win/code_page.h"
#include "win/os_error.h"

namespace ui {

namespace {

// A click on the taskbar button means the window last in use: the main
// form, or the form it owns that was active last (a modal one, say).
void ActivateLastPopup(HWND taskbarWindow) {
  HWND target = taskbarWindow;
  for (HWND next = GetLastActivePopup(target); next && next != target;
       next = GetLastActivePopup(target)) {
    target = next;
  }
  if (target != taskbarWindow && IsWindowVisible(target) && IsWindowEnabled(target)) {
    SetActiveWindow(target);
  }
}

}  // namespace

TaskbarWindow::TaskbarWindow() {
  const wchar_t* windowClass = win::RegisterWindowClass("TApplication");
  const int left = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int top = GetSystemMetrics(SM_CYSCREEN) / 2;
  // A pop-up made with no size keeps it: nothing of it shows on the screen.
  window_ = CreateWindowExW(0, windowClass, win::Utf8ToWide(Application().Title()).c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            left, top, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr),
                            static_cast<WindowObject*>(this));
  if (!window_) {
    win::RaiseLastOSError();
  }
}

TaskbarWindow::~TaskbarWindow() {
  Unlink(window_);
  DestroyWindow(window_);
}

void TaskbarWindow::SetText(const std::string& text) {
  SetWindowTextW(window_, win::Utf8ToWide(text).c_str());
}

// The form is hidden by hand: the system hides a minimized window's owned
// windows on Windows, but not everywhere (not under Wine).
void TaskbarWindow::Minimize(HWND form) {
  minimizedForm_ = form;
  ShowWindow(form, SW_HIDE);
  ShowWindow(window_, SW_MINIMIZE);
}

LRESULT TaskbarWindow::WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(window)) {
        ActivateLastPopup(window);
      }
      return 0;
    case WM_SIZE:
      if (wParam == SIZE_RESTORED && minimizedForm_) {
        HWND form = minimizedForm_;
        minimizedForm_ = nullptr;
        ShowWindow(form, SW_SHOW);
        ActivateLastPopup(window);
      }
      return 0;
    case WM_CLOSE:
      if (TForm* mainForm = Application().MainForm()) {
        mainForm->Close();
      }
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace ui
