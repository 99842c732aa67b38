#pragma once

#include <windows.h>

#include <string>

namespace win {

// A window's class name, UTF-8.
std::string ClassNameOf(HWND window);

// A window's text, whole.
std::wstring WindowTextOf(HWND window);

}  // namespace win
