#include "app/window_fade.h"

#include "ui/application.h"

namespace app {

namespace {

// Keeps the window painted while the time passes.
void PumpMessagesUntil(DWORD start, DWORD milliseconds) {
  ui::TApplication& application = ui::Application();
  for (;;) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds || application.Terminated()) {
      return;
    }
    application.WaitForMessageOrHandle(nullptr, milliseconds - elapsed);
    application.ProcessMessages();
  }
}

}  // namespace

void WindowFade::ShowAnimated(HWND window, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  AnimateWindow(window, milliseconds, AW_BLEND);
  systemAnimates_ = GetTickCount() - start >= milliseconds / 2;
  if (!IsWindowVisible(window)) {
    ShowWindow(window, SW_SHOWNA);
  }
  UpdateWindow(window);
  PumpMessagesUntil(start, milliseconds);
}

void WindowFade::HideAnimated(HWND window, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  if (!systemAnimates_) {
    PumpMessagesUntil(start, milliseconds);
  } else {
    AnimateWindow(window, milliseconds, AW_BLEND | AW_HIDE);
  }
  ShowWindow(window, SW_HIDE);
}

}  // namespace app
