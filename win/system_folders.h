#pragma once

#include <string>

namespace win {

// The program's own executable file, its full path; UTF-8, so a folder
// named outside the ANSI code page does not spoil it.
std::string ExecutablePath();

// The Windows system folder, ending in a backslash; UTF-8.
std::string SystemFolder();

// The Windows folder, ending in a backslash; UTF-8.
std::string WindowsFolder();

// The user's folder for temporary files, ending in a backslash; UTF-8, so a
// user name outside the ANSI code page does not spoil it.
std::string TempFolder();

// The user's own folder for application data on this machine
// (%LOCALAPPDATA%), ending in a backslash; UTF-8. Empty when the system
// names none.
std::string LocalAppDataFolder();

}  // namespace win
