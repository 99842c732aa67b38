#pragma once

#include <functional>
#include <string>
#include <vector>

namespace skinning {

// Where a skin named by the user is looked for: the name as given, then
// its file-name part in each folder in turn (each ending in a backslash).
// Returns the first path that exists, or empty when none does.
std::string FindSkinFile(const std::string& name, const std::vector<std::string>& folders,
                         const std::function<bool(const std::string& path)>& exists);

}  // namespace skinning
