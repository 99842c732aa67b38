#include "common/system_folders.h"

#include <windows.h>

#include "common/path_text.h"

namespace common {

std::string SystemFolder() {
  char buffer[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(buffer, MAX_PATH);
  return IncludeTrailingBackslash(std::string(buffer, length < MAX_PATH ? length : 0));
}

std::string TempFolder() {
  char buffer[MAX_PATH] = {};
  const DWORD length = GetTempPathA(MAX_PATH, buffer);
  return IncludeTrailingBackslash(std::string(buffer, length < MAX_PATH ? length : 0));
}

}  // namespace common
