#include "ui/application.h"

#include <windows.h>

#include <commctrl.h>

#include "ui/control.h"
#include "ui/form.h"
#include "win/code_page.h"
#include "win/entry_guard.h"
#include "win/os_error.h"

namespace ui {

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::Initialize() {
  static const bool initialized = [this] {
    win::SetExceptionReport([this](std::exception_ptr error) { ShowException(error); });
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_USEREX_CLASSES;
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)initialized;
}

void TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
      exitCode_ = static_cast<int>(message.wParam);
      PostQuitMessage(exitCode_);
      return;
    }
    Dispatch(message);
  }
}

void TApplication::HandleMessage() {
  MSG message;
  const BOOL received = GetMessageW(&message, nullptr, 0, 0);
  if (received == -1) {
    win::RaiseLastOSError();
  }
  if (received) {
    Dispatch(message);
    return;
  }
  terminated_ = true;
  exitCode_ = static_cast<int>(message.wParam);
  PostQuitMessage(exitCode_);
}

void TApplication::Dispatch(MSG& message) {
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (dynamic_cast<TForm*>(TControl::FromHandle(root)) && IsDialogMessageW(root, &message)) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

TApplication::WaitResult TApplication::WaitForMessageOrHandle(HANDLE handle, DWORD timeout) {
  HANDLE handles[1] = {handle};
  const DWORD count = handle ? 1 : 0;
  // MWMO_INPUTAVAILABLE: without it a message that a PeekMessage has already
  // seen but left in the queue would not end the wait.
  const DWORD result =
      MsgWaitForMultipleObjectsEx(count, handles, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  if (result == WAIT_FAILED) {
    win::RaiseLastOSError();
  }
  if (result == WAIT_TIMEOUT) {
    return WaitResult::Timeout;
  }
  return result == WAIT_OBJECT_0 + count ? WaitResult::Message : WaitResult::Signalled;
}

void TApplication::HandleException() {
  ShowException(std::current_exception());
}

void TApplication::ShowException(std::exception_ptr error) {
  const std::string text = win::ExceptionText(error);
  if (onException_) {
    onException_(text);
    return;
  }
  MessageBoxW(GetActiveWindow(), win::Utf8ToWide(text).c_str(), win::Utf8ToWide(title_).c_str(),
              MB_OK | MB_ICONERROR);
}

int TApplication::Run() {
  while (!terminated_) {
    HandleMessage();
  }
  return exitCode_;
}

void TApplication::Terminate() {
  PostQuitMessage(0);
}

}  // namespace ui
