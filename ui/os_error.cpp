#include "ui/os_error.h"

#include <windows.h>

#include <cstdio>

namespace ui {

std::string SysErrorMessage(unsigned long code) {
  char buffer[512] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, buffer, sizeof buffer, nullptr);
  while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' ||
                        buffer[length - 1] == ' ' || buffer[length - 1] == '.'))
    --length;
  return std::string(buffer, length) + (length > 0 ? "." : "");
}

std::string OSErrorText(unsigned long code) {
  if (code == 0)
    return "A call to an OS function failed";
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

}  // namespace ui
