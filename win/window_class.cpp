#include "win/window_class.h"

#include <mutex>
#include <set>
#include <stdexcept>

#include "win/code_page.h"
#include "win/entry_guard.h"
#include "win/os_error.h"

namespace win {

LRESULT CALLBACK WindowObject::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* object = reinterpret_cast<WindowObject*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!object) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  const LRESULT result =
      Guarded<LRESULT>(0, [&] { return object->WindowMessage(window, message, wParam, lParam); });
  if (message == WM_NCDESTROY) {
    Unlink(window);
  }
  return result;
}

void WindowObject::Unlink(HWND window) {
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

// The names live in a set, whose elements never move, so the pointers
// handed out stay valid however many classes follow.
const wchar_t* RegisterWindowClass(const std::string& name, UINT style, WNDPROC procedure) {
  static std::mutex mutex;
  static std::set<std::wstring> names;
  const std::lock_guard<std::mutex> lock(mutex);
  const wchar_t* const wide = names.insert(Utf8ToWide(name)).first->c_str();
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, wide, &windowClass)) {
    if (windowClass.lpfnWndProc != procedure) {
      throw std::logic_error("The window class " + name + " belongs to another window procedure");
    }
    return wide;
  }
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = wide;
  if (!RegisterClassExW(&windowClass)) {
    RaiseLastOSError();
  }
  return wide;
}

}  // namespace win
