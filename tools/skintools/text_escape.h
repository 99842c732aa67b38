#pragma once

#include <string>
#include <string_view>

namespace skintools {

// Texts travel on one line: a backslash, tab, line feed and carriage
// return are written \\ \t \n \r, other control bytes \xHH.
std::string EscapeText(std::string_view text);

// The reverse; throws std::invalid_argument for an unknown escape.
std::string UnescapeText(std::string_view escaped);

}  // namespace skintools
