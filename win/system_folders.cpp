#include "win/system_folders.h"

#include <windows.h>

#include "base/path_text.h"
#include "win/code_page.h"

namespace win {

std::string SystemFolder() {
  wchar_t buffer[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
  return base::IncludeTrailingBackslash(
      WideToUtf8(std::wstring(buffer, length < MAX_PATH ? length : 0)));
}

std::string WindowsFolder() {
  wchar_t buffer[MAX_PATH] = {};
  const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
  return base::IncludeTrailingBackslash(
      WideToUtf8(std::wstring(buffer, length < MAX_PATH ? length : 0)));
}

std::string TempFolder() {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetTempPathW(MAX_PATH, buffer);
  return base::IncludeTrailingBackslash(
      WideToUtf8(std::wstring(buffer, length < MAX_PATH ? length : 0)));
}

}  // namespace win
