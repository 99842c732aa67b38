#include "win/window_text.h"

#include <algorithm>

namespace win {

std::string ClassNameOf(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, static_cast<int>(sizeof name));
  return std::string(name, static_cast<size_t>(std::max(length, 0)));
}

std::wstring WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], length + 1)));
  return text;
}

}  // namespace win
