#include "win/system_folders.h"

#include <windows.h>

#include "base/path_text.h"

namespace win {

AnsiString SystemFolder() {
  char buffer[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(buffer, MAX_PATH);
  return base::IncludeTrailingBackslash(std::string(buffer, length < MAX_PATH ? length : 0));
}

AnsiString WindowsFolder() {
  char buffer[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
  return base::IncludeTrailingBackslash(std::string(buffer, length < MAX_PATH ? length : 0));
}

AnsiString TempFolder() {
  char buffer[MAX_PATH] = {};
  const DWORD length = GetTempPathA(MAX_PATH, buffer);
  return base::IncludeTrailingBackslash(std::string(buffer, length < MAX_PATH ? length : 0));
}

}  // namespace win
