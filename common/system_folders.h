#pragma once

#include <string>

namespace common {

// The Windows system folder, ending in a backslash (ANSI code page).
std::string SystemFolder();

// The user's folder for temporary files, ending in a backslash (ANSI code
// page).
std::string TempFolder();

}  // namespace common
