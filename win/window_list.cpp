#include "win/window_list.h"

#include "win/entry_guard.h"

namespace win {

namespace {

// A list that cannot grow is reported and ends the walk.
BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  return Guarded(FALSE, [&] {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
  });
}

}  // namespace

std::vector<HWND> ThreadWindows() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace win
