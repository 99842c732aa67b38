#include "settings/ini_file.h"

#include <windows.h>

#include "settings/profile_integer.h"
#include "win/code_page.h"
#include "win/whole_file.h"

namespace settings {

namespace {

constexpr char kUtf16LeMark[] = "\xFF\xFE";

}  // namespace

EIniFileException::EIniFileException(const std::string& fileName)
    : std::runtime_error("Unable to write to " + fileName) {}

const ProfileDocument& IniFile::Document() const {
  if (!document_) {
    const std::optional<std::string> bytes = win::ReadWholeFile(fileName_);
    document_.emplace(bytes ? win::TextFileToUtf8(*bytes, codePage_) : std::string());
  }
  return *document_;
}

const ProfileSection& IniFile::ReadSection(const std::string& section) const {
  return Document().Section(section);
}

std::optional<std::string> IniFile::ReadValue(const std::string& section,
                                              const std::string& key) const {
  return ReadSection(section).Value(key);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
  return ReadValue(section, key).value_or(fallback);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
  const std::optional<std::string> text = ReadValue(section, key);
  const std::optional<int> value = text ? ParseProfileInteger(*text) : std::nullopt;
  return value.value_or(fallback);
}

// A missing file becomes the mark alone; a file in a code page (an earlier
// version's, or one the installer made) becomes the same text in UTF-16LE.
// Only the mark is read when it is there: every write asks.
void IniFile::MakeUnicode() const {
  const std::string mark = kUtf16LeMark;
  if (win::ReadFileStart(fileName_, mark.size()) == mark) {
    return;
  }
  const std::optional<std::string> bytes = win::ReadWholeFile(fileName_);
  const std::string text = bytes ? win::TextFileToUtf8(*bytes, codePage_) : std::string();
  if (!win::OverwriteWholeFile(fileName_, win::Utf16LeTextFile(text))) {
    throw EIniFileException(fileName_);
  }
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
  MakeUnicode();
  document_.reset();
  if (!WritePrivateProfileStringW(win::Utf8ToWide(section).c_str(), win::Utf8ToWide(key).c_str(),
                                  win::Utf8ToWide(value).c_str(),
                                  win::Utf8ToWide(fileName_).c_str())) {
    throw EIniFileException(fileName_);
  }
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

}  // namespace settings
