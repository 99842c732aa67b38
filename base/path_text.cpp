#include "base/path_text.h"

namespace base {

namespace {

std::size_t NameStart(const std::string& path) {
  const std::size_t delimiter = path.find_last_of("\\/:");
  return delimiter == std::string::npos ? 0 : delimiter + 1;
}

std::size_t ExtensionStart(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  return dot == std::string::npos || dot < NameStart(path) ? path.size() : dot;
}

}  // namespace

std::string ExtractFilePath(const std::string& path) {
  return path.substr(0, NameStart(path));
}

std::string ExtractFileName(const std::string& path) {
  return path.substr(NameStart(path));
}

std::string ExtractFileExt(const std::string& path) {
  return path.substr(ExtensionStart(path));
}

std::string ChangeFileExt(const std::string& path, const std::string& extension) {
  return path.substr(0, ExtensionStart(path)) + extension;
}

std::string IncludeTrailingBackslash(const std::string& folder) {
  return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return text;
}

}  // namespace base
