#include "skinning/window_text.h"

#include <algorithm>

namespace skinning {

std::string ClassNameOf(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, static_cast<int>(sizeof name));
  return std::string(name, static_cast<size_t>(std::max(length, 0)));
}

}  // namespace skinning
