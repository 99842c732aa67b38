#include "win/system_folders.h"

#include <windows.h>

#include "base/path_text.h"
#include "win/code_page.h"

namespace win {

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length;
  while ((length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()))) ==
         path.size()) {
    path.resize(path.size() * 2);
  }
  path.resize(length);
  return WideToUtf8(path);
}

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
