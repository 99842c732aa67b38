#pragma once

#include <algorithm>
#include <string_view>

namespace base {

// Names in skin archives and containers compare without regard to the case
// of ASCII letters; other bytes must be equal.
inline bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
  auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return upper(x) == upper(y); });
}

}  // namespace base
