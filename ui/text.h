#pragma once

#include <string>

namespace ui {

// Every text of the window layer is UTF-8; windows are Unicode windows, so
// Chinese and English texts show alike whatever the system code page is.
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);
std::string WideToUtf8(const wchar_t* text);

// Byte text of the system's ANSI code page, as the A-functions, console
// programs and their command lines use it.
std::string Utf8ToAnsi(const std::string& text);
std::string AnsiToUtf8(const std::string& text);

}  // namespace ui
