#include "win/code_page.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

namespace win {

namespace {

std::wstring ToWide(unsigned codePage, std::string_view text) {
  if (text.empty()) {
    return {};
  }
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (length > 0) {
    MultiByteToWideChar(codePage, 0, text.data(), size, &wide[0], length);
  }
  return wide;
}

std::string FromWide(unsigned codePage, const std::wstring& text) {
  if (text.empty()) {
    return {};
  }
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  if (length > 0) {
    WideCharToMultiByte(codePage, 0, text.data(), size, &narrow[0], length, nullptr, nullptr);
  }
  return narrow;
}

std::string CodePageToUtf8(std::string_view bytes, unsigned codePage) {
  return WideToUtf8(ToWide(IsValidCodePage(codePage) ? codePage : CP_ACP, bytes));
}

}  // namespace

std::wstring Utf8ToWide(const std::string& text) {
  return ToWide(CP_UTF8, text);
}

std::string WideToUtf8(const std::wstring& text) {
  return FromWide(CP_UTF8, text);
}

std::string WideToUtf8(const wchar_t* text) {
  return text ? WideToUtf8(std::wstring(text, std::wcslen(text))) : std::string();
}

std::string TextFileToUtf8(std::string_view bytes, unsigned codePage) {
  constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  if (bytes.substr(0, kUtf16LeMark.size()) == kUtf16LeMark) {
    bytes.remove_prefix(kUtf16LeMark.size());
    std::wstring wide(bytes.size() / 2, L'\0');
    std::memcpy(&wide[0], bytes.data(), wide.size() * 2);
    return WideToUtf8(wide);
  }
  if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
    return std::string(bytes.substr(kUtf8Mark.size()));
  }
  return CodePageToUtf8(bytes, codePage);
}

std::string Utf16LeTextFile(const std::string& text) {
  const std::wstring wide = Utf8ToWide(text);
  std::string bytes = "\xFF\xFE";
  bytes.append(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
  return bytes;
}

AnsiString Utf8ToAnsi(const std::string& text) {
  return AnsiString(FromWide(CP_ACP, Utf8ToWide(text)));
}

std::string AnsiToUtf8(const AnsiString& text) {
  return WideToUtf8(ToWide(CP_ACP, text.Bytes()));
}

}  // namespace win
