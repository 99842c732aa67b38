#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The text rules of the program's INI files (config.ini and the language
// files) as the platform's private-profile reader applies them. Texts are
// UTF-8 here; the platform decodes the files from their code page.
namespace settings {

// The longest value the reader hands out, in characters.
constexpr std::size_t kMaxProfileValueLength = 2047;

// A value as the reader gives it: blanks around it removed, then one pair
// of enclosing quotation marks (double or single, the same at both ends),
// then cut to kMaxProfileValueLength characters.
std::string ProfileValueText(std::string_view raw);

// One section of an INI file, from its lines as the platform's section
// reader returns them ("key=value", in file order).
class ProfileSection {
 public:
  ProfileSection() = default;
  // Lines without "=" and comment lines (";" first) hold no value and are
  // left out.
  explicit ProfileSection(const std::vector<std::string>& lines);

  // One more line, after those already there; left out as above.
  void Add(std::string_view line);

  // The value of the first line whose key matches without regard to the
  // case of ASCII letters, as ProfileValueText makes it; nothing when no
  // line has that key. A key present with an empty value gives "".
  std::optional<std::string> Value(std::string_view key) const;

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

// The text of a whole INI file, parsed once into its sections, the way the
// platform's private-profile reader splits it: a line that starts with "["
// and holds a "]" opens the section named between the "[" and the last
// "]"; every other line belongs to the section above it, lines above the
// first section to none. Lines end at a line feed; blanks around a line are
// not part of it.
class ProfileDocument {
 public:
  explicit ProfileDocument(std::string_view text);

  // The first section of that name, without regard to the case of ASCII
  // letters; an empty one when the file has none.
  const ProfileSection& Section(std::string_view name) const;

 private:
  std::vector<std::pair<std::string, ProfileSection>> sections_;
};

}  // namespace settings
