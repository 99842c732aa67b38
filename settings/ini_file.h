#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "settings/profile_text.h"

namespace settings {

// A write to an INI file that the system refused: "Unable to write to %s"
// with the file's full path.
class EIniFileException : public std::runtime_error {
 public:
  explicit EIniFileException(const std::string& fileName);
};

// The code page a file without a byte-order mark is read in when none is
// named: the system's ANSI code page, in which the platform's profile
// functions wrote config.ini before it became Unicode.
constexpr unsigned kSystemCodePage = 0;

// An INI file. Reading takes the whole file once, at the first read, and
// parses it with the platform's rules; later reads ask that copy. A file
// that starts with a byte-order mark is read as UTF-16LE or UTF-8, any
// other in the code page given. Writes go to the file at once through the
// platform's private-profile functions, which keep any character only in
// a UTF-16LE file with its mark: the first write turns a file without one
// into that form, keeping all it holds. Texts and the path are UTF-8 here.
class IniFile {
 public:
  explicit IniFile(std::string fileName, unsigned codePage = kSystemCodePage)
      : fileName_(std::move(fileName)), codePage_(codePage) {}

  const std::string& FileName() const { return fileName_; }

  // Empty when the file or the section is missing.
  const ProfileSection& ReadSection(const std::string& section) const;
  // Nothing when the file, the section or the key is missing.
  std::optional<std::string> ReadValue(const std::string& section, const std::string& key) const;
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;
  // The fallback also for a value that is not a whole number.
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;

  // Throw EIniFileException when the file cannot be written.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);

 private:
  const ProfileDocument& Document() const;
  void MakeUnicode() const;

  std::string fileName_;
  unsigned codePage_;
  mutable std::optional<ProfileDocument> document_;
};

}  // namespace settings
