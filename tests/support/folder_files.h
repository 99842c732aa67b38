#pragma once

#include <string>
#include <vector>

namespace test_support {

// The names of the files in a folder (UTF-8, with or without its final
// backslash) that match a pattern ("*.partial"), sorted; subfolders are
// left out.
std::vector<std::string> FilesIn(const std::string& folder, const std::string& pattern = "*");

}  // namespace test_support
