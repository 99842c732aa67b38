#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/profile_text.h"

namespace test_support {

// An INI file's text read with the program's value rules, for checking
// language files as they stand in the source tree, apart from the platform
// that reads them.
struct IniText {
  // By section name in lower case.
  std::map<std::string, settings::ProfileSection> sections;
  // Every section and key of a "key=value" line, in file order.
  std::vector<std::pair<std::string, std::string>> keys;
};

IniText ParseIniText(const std::string& text);

}  // namespace test_support
