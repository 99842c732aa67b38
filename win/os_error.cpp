#include "win/os_error.h"

#include <windows.h>

#include <cstdio>

#include "win/code_page.h"

namespace win {

std::string SysErrorMessage(unsigned long code) {
  wchar_t buffer[512] = {};
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, buffer, 512, nullptr);
  while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' ||
                        buffer[length - 1] == L' ' || buffer[length - 1] == L'.')) {
    --length;
  }
  // UTF-8 like every text the window layer shows.
  return WideToUtf8(std::wstring(buffer, length)) + (length > 0 ? "." : "");
}

std::string OSErrorText(unsigned long code) {
  if (code == 0) {
    return "A call to an OS function failed";
  }
  char head[64];
  std::snprintf(head, sizeof head, "System Error.  Code: %lu.\r\n", code);
  return head + SysErrorMessage(code);
}

void RaiseOSError(unsigned long code) {
  throw EOSError(code, OSErrorText(code));
}

void RaiseLastOSError() {
  RaiseOSError(GetLastError());
}

}  // namespace win
