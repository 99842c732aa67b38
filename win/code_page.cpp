#include "win/code_page.h"

#include <windows.h>

#include <cwchar>

namespace win {

std::wstring Utf8ToWide(const std::string& text) {
  if (text.empty()) {
    return {};
  }
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, &wide[0], length);
  return wide;
}

std::string WideToUtf8(const std::wstring& text) {
  if (text.empty()) {
    return {};
  }
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, &narrow[0], length, nullptr, nullptr);
  return narrow;
}

std::string WideToUtf8(const wchar_t* text) {
  return text ? WideToUtf8(std::wstring(text, std::wcslen(text))) : std::string();
}

AnsiString Utf8ToAnsi(const std::string& text) {
  const std::wstring wide = Utf8ToWide(text);
  if (wide.empty()) {
    return {};
  }
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string ansi(length, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, &ansi[0], length, nullptr, nullptr);
  return ansi;
}

std::string AnsiToUtf8(const AnsiString& text) {
  if (text.empty()) {
    return {};
  }
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, &wide[0], length);
  return WideToUtf8(wide);
}

}  // namespace win
