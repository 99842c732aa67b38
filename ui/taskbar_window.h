#pragma once

#include <windows.h>

#include <string>

#include "win/window_class.h"

namespace ui {

// The window that stands for the program on the taskbar and in the task
// switcher, with the application's title as its text. It owns the main
// form, which so has no button of its own and may have another caption.
// It has no size: it is shown, minimized and restored with the main form,
// and hands the activation and a close from the taskbar on to the form.
class TaskbarWindow final : public win::WindowObject {
 public:
  TaskbarWindow();
  ~TaskbarWindow();

  HWND Handle() const { return window_; }
  void SetText(const std::string& text);
  // Minimizes the program: the form goes out of sight, the taskbar button
  // stays, and restoring it brings the form back.
  void Minimize(HWND form);

 private:
  LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND window_ = nullptr;
  HWND minimizedForm_ = nullptr;
};

}  // namespace ui
