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
  // Lines without "=" and comment lines (";" first) hold no value and are
  // left out.
  explicit ProfileSection(const std::vector<std::string>& lines);

  // The value of the first line whose key matches without regard to the
  // case of ASCII letters, as ProfileValueText makes it; nothing when no
  // line has that key. A key present with an empty value gives "".
  std::optional<std::string> Value(std::string_view key) const;

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace settings
