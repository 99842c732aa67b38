#pragma once

#include <windows.h>

#include <string>

namespace win {

// The object behind a window of a class registered with the shared
// procedure below. The window is made with the object as its creation
// parameter (the last argument of CreateWindowExW); the procedure links the
// object at WM_NCCREATE, hands it every message through the entry guard
// (a message whose handling raises answers 0) and lets go of it after
// WM_NCDESTROY.
class WindowObject {
 public:
  WindowObject(const WindowObject&) = delete;
  WindowObject& operator=(const WindowObject&) = delete;

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  WindowObject() = default;
  ~WindowObject() = default;

  // Every message of the linked window; what it leaves alone goes to
  // DefWindowProcW.
  virtual LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Lets go of the window, from any thread: its later messages get the
  // default handling.
  static void Unlink(HWND window);
};

// Registers a window class of the program under `name` (UTF-8) and returns
// the name as the system knows it, valid for the life of the process. A
// class already registered under the name with the same procedure, by an
// earlier call or by anyone else, is used as it is; a name taken by
// another procedure raises std::logic_error. The class has the arrow
// cursor and `style` (CS_DBLCLKS for windows that take double clicks).
const wchar_t* RegisterWindowClass(const std::string& name, UINT style = 0,
                                   WNDPROC procedure = &WindowObject::Procedure);

}  // namespace win
