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

// An INI file read and written through the platform's private-profile
// functions. Nothing is kept between calls: each read asks the platform
// for the file as it is now, and each write goes to the file at once. The
// platform decodes the file from the system's code page (or from a
// Unicode form it recognises); texts and the path are UTF-8 here.
class IniFile {
 public:
  explicit IniFile(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& FileName() const { return fileName_; }

  ProfileSection ReadSection(const std::string& section) const;
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
  std::string fileName_;
};

}  // namespace settings
