#pragma once

#include "win/code_page.h"

namespace win {

// The Windows system folder, ending in a backslash.
AnsiString SystemFolder();

// The Windows folder, ending in a backslash.
AnsiString WindowsFolder();

// The user's folder for temporary files, ending in a backslash.
AnsiString TempFolder();

}  // namespace win
