#pragma once

#include <string>
#include <string_view>
#include <utility>

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

// A text file's bytes as UTF-8: UTF-16LE or UTF-8 when they start with that
// form's byte-order mark (which is dropped), else text of the code page (a
// language file's own; one the system lacks is read as the ANSI code page).
std::string TextFileToUtf8(std::string_view bytes, unsigned codePage);

// The bytes of a UTF-16LE text file with its byte-order mark, the form the
// private-profile functions read and write as Unicode.
std::string Utf16LeTextFile(const std::string& text);

// Byte text of the system's ANSI code page, where the program meets such
// text: a hand-written AviSynth script, and names checked against what the
// code page holds. A type of its own, so that UTF-8 never reaches an
// A-function or such a file unconverted: it meets UTF-8 text only through
// the two conversions below, and a character the code page lacks becomes
// "?". (Files stored in a code page are read with TextFileToUtf8.)
class AnsiString {
 public:
  AnsiString() = default;
  explicit AnsiString(std::string bytes) : bytes_(std::move(bytes)) {}

  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

AnsiString Utf8ToAnsi(const std::string& text);
std::string AnsiToUtf8(const AnsiString& text);

}  // namespace win
