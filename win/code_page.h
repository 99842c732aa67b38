#pragma once

#include <string>

namespace win {

// A std::string of the program holds UTF-8 unless its type says otherwise:
// windows are Unicode windows, so Chinese and English texts show alike
// whatever the system code page is. Paths are UTF-8 too and reach the
// system through the W-functions, so every file name works: the encoder's
// command line (UTF-8, started as a UTF-16 command line), the AviSynth
// script (written and read as UTF-8) and the encoder's messages (UTF-8).
std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);
std::string WideToUtf8(const wchar_t* text);

// Byte text of the system's ANSI code page, where such text really is met:
// an A-function, or a file written in that code page (a hand-written
// AviSynth script). It meets UTF-8 text only through the two conversions
// below; a character the code page lacks becomes "?".
using AnsiString = std::string;

AnsiString Utf8ToAnsi(const std::string& text);
std::string AnsiToUtf8(const AnsiString& text);

}  // namespace win
