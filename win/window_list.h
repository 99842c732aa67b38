#pragma once

#include <windows.h>

#include <vector>

namespace win {

// The top-level windows of the calling thread, in the system's order.
std::vector<HWND> ThreadWindows();

// Every descendant of `parent`, in the system's order.
std::vector<HWND> ChildWindows(HWND parent);

}  // namespace win
