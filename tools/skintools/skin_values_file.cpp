#include "tools/skintools/skin_values_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "skin/skin_container_layout.h"
#include "tools/skintools/text_escape.h"

namespace skintools {

namespace {

constexpr std::string_view kBlanks = " \t";

// Splits off the next blank-separated word of `line`.
std::string_view NextWord(std::string_view& line) {
  const size_t start = std::min(line.find_first_not_of(kBlanks), line.size());
  const size_t end = std::min(line.find_first_of(kBlanks, start), line.size());
  const std::string_view word = line.substr(start, end - start);
  line.remove_prefix(end);
  return word;
}

std::string_view SkipBlanks(std::string_view text) {
  return text.substr(std::min(text.find_first_not_of(kBlanks), text.size()));
}

// A number from `min` to `max`; hexadecimal numbers may use the whole
// unsigned range, which is then taken modulo 2^32.
int64_t ParseNumber(std::string_view word, int64_t min, int64_t max, uint64_t maxHex) {
  const std::string text(word);
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  char* end = nullptr;
  errno = 0;
  if (hex) {
    const unsigned long long value = std::strtoull(text.c_str() + 2, &end, 16);
    const bool digitsOnly =
        text.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string::npos;
    if (digitsOnly && errno == 0 && *end == '\0' && value <= maxHex) {
      return static_cast<int64_t>(value);
    }
  } else if (!text.empty()) {
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno == 0 && *end == '\0' && value >= min && value <= max) {
      return value;
    }
  }
  throw std::invalid_argument("\"" + text + "\" is not a number in range");
}

SkinValue ParseLine(std::string_view line) {
  const std::string_view kind = NextWord(line);
  const std::string name(NextWord(line));
  if (name.empty() || name.size() > skin::container_layout::kNameSize) {
    throw std::invalid_argument("a name of 1 to 64 characters must follow the kind");
  }
  if (kind == "text") {
    return TextValue(name, UnescapeText(SkipBlanks(line)));
  }
  const std::string_view number = NextWord(line);
  if (!SkipBlanks(line).empty()) {
    throw std::invalid_argument("unexpected text after the value");
  }
  if (kind == "integer") {
    const int64_t value = ParseNumber(number, INT32_MIN, INT32_MAX, UINT32_MAX);
    return IntegerValue(name, static_cast<int32_t>(static_cast<uint32_t>(value)));
  }
  if (kind == "byte") {
    return ByteValue(name, static_cast<uint8_t>(ParseNumber(number, 0, 255, 255)));
  }
  throw std::invalid_argument("unknown kind \"" + std::string(kind) +
                              "\"; use integer, byte or text");
}

}  // namespace

std::vector<SkinValue> ParseSkinValues(std::istream& in) {
  std::vector<SkinValue> values;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    const std::string_view content = SkipBlanks(line);
    if (content.empty() || content[0] == '#') {
      continue;
    }
    try {
      values.push_back(ParseLine(content));
    } catch (const std::invalid_argument& error) {
      throw std::runtime_error("line " + std::to_string(number) + ": " + error.what());
    }
  }
  return values;
}

}  // namespace skintools
