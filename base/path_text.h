#pragma once

#include <string>

// Text rules for Windows paths, independent of the file system. A file name
// is what follows the last "\", "/" or ":"; its extension starts at its last
// ".".
namespace base {

std::string ExtractFilePath(const std::string& path);  // up to and including the last delimiter
std::string ExtractFileName(const std::string& path);
std::string ExtractFileExt(const std::string& path);  // with the dot; empty when none
std::string ChangeFileExt(const std::string& path, const std::string& extension);
std::string IncludeTrailingBackslash(const std::string& folder);
std::string LowerCase(std::string text);  // ASCII letters only

}  // namespace base
