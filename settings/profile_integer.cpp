#include "settings/profile_integer.h"

#include <cstdint>
#include <limits>

namespace settings {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

std::optional<int> ParseHex(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) {
    return std::nullopt;
  }
  std::uint32_t value = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) {
      return std::nullopt;
    }
    value = value << 4 | static_cast<std::uint32_t>(digit);
  }
  return static_cast<int>(static_cast<std::int32_t>(value));
}

std::optional<int> ParseDecimal(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    text.remove_prefix(1);
  }
  if (text.empty()) {
    return std::nullopt;
  }
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                      : std::numeric_limits<int>::max();
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
    if (value > limit) {
      return std::nullopt;
    }
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

std::optional<int> ParseProfileInteger(std::string_view text) {
  if (!text.empty() && text.front() == '$') {
    return ParseHex(text.substr(1));
  }
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    return ParseHex(text.substr(2));
  }
  return ParseDecimal(text);
}

}  // namespace settings
