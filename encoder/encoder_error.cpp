#include "encoder/encoder_error.h"

#include <windows.h>

namespace encoder {

namespace {

// The system's text for an error code in the console's ANSI code page,
// without its closing line end.
std::string SystemMessage(DWORD code) {
  char text[512] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, text, sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n'))
    --length;
  return length > 0 ? std::string(text, length) : "system error " + std::to_string(code);
}

}  // namespace

void RaiseLastError(const std::string& what) {
  throw EncoderError(what + ": " + SystemMessage(GetLastError()));
}

}  // namespace encoder
