#pragma once

#include <string>
#include <vector>

namespace test_support {

// The names of the files in a folder (UTF-8, with or without its final
// backslash), sorted; subfolders are left out.
std::vector<std::string> FilesIn(const std::string& folder);

}  // namespace test_support
