#pragma once

#include <string>

namespace win {

// A std::string of the program holds UTF-8 unless its type says otherwise:
// windows are Unicode windows, so Chinese and English texts show alike
// whatever the system code page is.
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);
std::string WideToUtf8(const wchar_t* text);

// Byte text of the system's ANSI code page, as the A-functions take and
// give it and as console programs write it and read their command lines.
// It meets UTF-8 text only through the two conversions below.
using AnsiString = std::string;

AnsiString Utf8ToAnsi(const std::string& text);
std::string AnsiToUtf8(const AnsiString& text);

}  // namespace win
