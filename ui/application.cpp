#include "ui/application.h"

#include <windows.h>

#include <stdexcept>

namespace ui {

TApplication& Application() {
  static TApplication application;
  return application;
}

void TApplication::ProcessMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void TApplication::HandleException() {
  ShowException(std::current_exception());
}

void TApplication::ShowException(std::exception_ptr error) {
  const std::string text = ExceptionText(error);
  if (onException_) {
    onException_(text);
    return;
  }
  MessageBoxA(GetActiveWindow(), text.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

int TApplication::Run() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void TApplication::Terminate() {
  PostQuitMessage(0);
}

std::string ExceptionText(std::exception_ptr error) {
  try {
    if (error)
      std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
  }
  return "Unknown error";
}

}  // namespace ui
