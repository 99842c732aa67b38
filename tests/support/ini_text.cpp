#include "tests/support/ini_text.h"

#include <sstream>

#include "base/path_text.h"

namespace test_support {

IniText ParseIniText(const std::string& text) {
  IniText ini;
  std::map<std::string, std::vector<std::string>> lines;
  std::string section, line;
  std::istringstream input(text);
  while (std::getline(input, line)) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (!line.empty() && line.front() == '[' && line.find(']') != std::string::npos) {
      section = base::LowerCase(line.substr(1, line.find(']') - 1));
    } else if (!section.empty()) {
      lines[section].push_back(line);
    }
    if (!section.empty() && line.find('=') != std::string::npos && line.front() != ';' &&
        line.front() != '[') {
      ini.keys.emplace_back(section, line.substr(0, line.find('=')));
    }
  }
  for (const auto& [name, sectionLines] : lines) {
    ini.sections.emplace(name, settings::ProfileSection(sectionLines));
  }
  return ini;
}

}  // namespace test_support
