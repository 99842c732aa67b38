#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test_support {

// A drop as the shell hands it to a window with WM_DROPFILES: a DROPFILES
// block of names in movable global memory, which the window frees. The
// shell sends wide names; older shells sent them in the system's code page
// (wide false, for names of ASCII).
HGLOBAL DroppedFiles(const std::vector<std::string>& names, bool wide = true);

}  // namespace test_support
