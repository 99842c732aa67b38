#include "settings/profile_text.h"

#include "base/ascii_case.h"

namespace settings {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// The length in bytes of the first `count` UTF-8 characters, so a cut never
// splits a character.
std::size_t Utf8Prefix(std::string_view text, std::size_t count) {
  std::size_t characters = 0;
  for (std::size_t index = 0; index < text.size(); ++index) {
    const bool continuation = (static_cast<unsigned char>(text[index]) & 0xC0) == 0x80;
    if (!continuation && characters++ == count) {
      return index;
    }
  }
  return text.size();
}

}  // namespace

std::string ProfileValueText(std::string_view raw) {
  std::string_view value = Trimmed(raw);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, Utf8Prefix(value, kMaxProfileValueLength)));
}

ProfileSection::ProfileSection(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    Add(line);
  }
}

void ProfileSection::Add(std::string_view line) {
  const std::size_t equals = line.find('=');
  const std::string_view key = Trimmed(line.substr(0, equals));
  if (equals == std::string_view::npos || key.empty() || key.front() == ';') {
    return;
  }
  entries_.emplace_back(std::string(key), std::string(line.substr(equals + 1)));
}

ProfileDocument::ProfileDocument(std::string_view text) {
  ProfileSection* section = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::size_t close = line.rfind(']');
    if (!line.empty() && line.front() == '[' && close != std::string_view::npos) {
      sections_.emplace_back(std::string(line.substr(1, close - 1)), ProfileSection());
      section = &sections_.back().second;
    } else if (section) {
      section->Add(line);
    }
  }
}

const ProfileSection& ProfileDocument::Section(std::string_view name) const {
  static const ProfileSection kNoSection;
  for (const auto& [sectionName, section] : sections_) {
    if (base::EqualIgnoringAsciiCase(sectionName, name)) {
      return section;
    }
  }
  return kNoSection;
}

std::optional<std::string> ProfileSection::Value(std::string_view key) const {
  for (const auto& [name, value] : entries_) {
    if (base::EqualIgnoringAsciiCase(name, key)) {
      return ProfileValueText(value);
    }
  }
  return std::nullopt;
}

}  // namespace settings
