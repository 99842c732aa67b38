#include "settings/ini_file.h"

#include <windows.h>

#include <vector>

#include "settings/profile_integer.h"
#include "win/code_page.h"

namespace settings {

namespace {

// The section's lines, NUL-separated in the buffer; a result of the size
// less two means they did not all fit.
std::vector<std::string> SectionLines(const std::wstring& section, const std::wstring& fileName) {
  std::wstring buffer(4096, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length =
        GetPrivateProfileSectionW(section.c_str(), &buffer[0], size, fileName.c_str());
    if (length + 2 < size) {
      break;
    }
    buffer.assign(buffer.size() * 2, L'\0');
  }
  std::vector<std::string> lines;
  for (const wchar_t* line = buffer.c_str(); *line; line += wcslen(line) + 1) {
    lines.push_back(win::WideToUtf8(line));
  }
  return lines;
}

}  // namespace

EIniFileException::EIniFileException(const std::string& fileName)
    : std::runtime_error("Unable to write to " + fileName) {}

ProfileSection IniFile::ReadSection(const std::string& section) const {
  return ProfileSection(SectionLines(win::Utf8ToWide(section), win::Utf8ToWide(fileName_)));
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

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
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
