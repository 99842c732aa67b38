#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "skin/skin_container.h"

namespace skintools {

// One line per value, "name<TAB>kind<TAB>value": kinds bitmap, integer,
// byte, text in that order, container order within a kind. A bitmap's value
// is WIDTHxHEIGHTxBITS (e.g. 21x21x24); a text's is escaped as in
// text_escape.h.
std::string FormatSkinValues(const skin::SkinValues& values);

// skindump FILE [PASSWORD]: prints the values of a skin file to `out`; on
// failure prints the reader's error text to `err` and returns 1.
int RunSkinDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skintools
