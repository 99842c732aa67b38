#include "win/window_text.h"

#include <algorithm>

#include "win/code_page.h"

namespace win {

std::string ClassNameOf(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return WideToUtf8(std::wstring(name, static_cast<size_t>(std::max(length, 0))));
}

std::wstring WindowTextOf(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], length + 1)));
  return text;
}

}  // namespace win
