#pragma once

#include <windows.h>

#include <string>

namespace skinning {

// A window's class name as the system gives it (ANSI).
std::string ClassNameOf(HWND window);

}  // namespace skinning
