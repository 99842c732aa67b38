#include "console/message_window.h"

#include "win/os_error.h"

namespace console {

MessageWindow::MessageWindow(Handler handler, Report report)
    : handler_(std::move(handler)), report_(std::move(report)), thread_(GetCurrentThreadId()) {
  static const ATOM windowClass = [] {
    WNDCLASSA description{};
    description.lpfnWndProc = &MessageWindow::WindowProc;
    description.hInstance = GetModuleHandleA(nullptr);
    description.lpszClassName = kConsoleIOWindowClass;
    return RegisterClassA(&description);
  }();
  handle_ = CreateWindowExA(0, MAKEINTATOM(windowClass), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleA(nullptr), this);
  if (!handle_)
    win::RaiseLastOSError();
}

MessageWindow::~MessageWindow() {
  // A WM_CLOSE posted here must find the window detached.
  Detach();
  if (GetCurrentThreadId() == thread_)
    DestroyWindow(handle_);
  else
    PostMessageA(handle_, WM_CLOSE, 0, 0);
}

void MessageWindow::Detach() {
  attached_ = false;
  SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
}

void MessageWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    handler_(message, wParam, lParam);
  } catch (...) {
    if (report_)
      report_(std::current_exception());
  }
}

LRESULT CALLBACK MessageWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case CIO_RECEIVE_OUTPUT:
    case CIO_RECEIVE_ERROR:
    case CIO_ERROR:
    case CIO_PROCESS_ENDED:
      if (self)
        self->Dispatch(message, wParam, lParam);
      return 0;
    case WM_CLOSE:
      // Posted by the last worker to let go of a detached window.
      if (!self)
        DestroyWindow(window);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace console
