#include "win/system_folders.h"

#include <windows.h>

#include <shlobj.h>

#include <cwchar>

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

// The environment's value comes first, as the encoder reads it for its
// copy of FFmpeg, so both keep their files in one place; the shell's
// folder serves when the variable is missing (Windows XP sets none).
std::string LocalAppDataFolder() {
  wchar_t buffer[MAX_PATH] = {};
  DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, buffer))) {
      return {};
    }
    length = static_cast<DWORD>(std::wcslen(buffer));
  }
  return base::IncludeTrailingBackslash(WideToUtf8(std::wstring(buffer, length)));
}

}  // namespace win
