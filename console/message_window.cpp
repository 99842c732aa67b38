#include "console/message_window.h"

#include "win/os_error.h"

namespace console {

MessageWindow::MessageWindow(Handler handler)
    : handler_(std::move(handler)), thread_(GetCurrentThreadId()) {
  handle_ = CreateWindowExW(0, win::RegisterWindowClass(kConsoleIOWindowClass), L"", 0, 0, 0, 0, 0,
                            HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                            static_cast<WindowObject*>(this));
  if (!handle_) {
    win::RaiseLastOSError();
  }
}

MessageWindow::~MessageWindow() {
  if (GetCurrentThreadId() == thread_) {
    DestroyWindow(handle_);
    return;
  }
  Unlink(handle_);
  PostMessageW(handle_, WM_CLOSE, 0, 0);
}

void MessageWindow::HandOverFailure(std::exception_ptr error) {
  SendMessageW(handle_, CIO_WORKER_FAILED, reinterpret_cast<WPARAM>(&error), 0);
}

// What raises here goes to the report, and the message counts as handled.
LRESULT MessageWindow::WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case CIO_RECEIVE_OUTPUT:
    case CIO_RECEIVE_ERROR:
    case CIO_ERROR:
    case CIO_PROCESS_ENDED:
      if (Attached()) {
        handler_(message, wParam, lParam);
      }
      return 0;
    case CIO_WORKER_FAILED:
      std::rethrow_exception(*reinterpret_cast<const std::exception_ptr*>(wParam));
    case WM_CLOSE:  // only a window let go of closes
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace console
