#include "encoder/encoder_error.h"

#include <windows.h>

#include "win/code_page.h"

namespace encoder {

namespace {

// The system's text for an error code, in UTF-8 like everything the encoder
// writes, without its closing line end.
std::string SystemMessage(DWORD code) {
  wchar_t text[512] = {};
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, text, 512, nullptr);
  while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n')) {
    --length;
  }
  return length > 0 ? win::WideToUtf8(std::wstring(text, length))
                    : "system error " + std::to_string(code);
}

}  // namespace

void RaiseError(const std::string& what, unsigned long code) {
  throw EncoderError(what + ": " + SystemMessage(code));
}

void RaiseLastError(const std::string& what) {
  RaiseError(what, GetLastError());
}

}  // namespace encoder
