#include "skinning/engine/skin_file_search.h"

#include "base/path_text.h"

namespace skinning {

std::string FindSkinFile(const std::string& name, const std::vector<std::string>& folders,
                         const std::function<bool(const std::string& path)>& exists) {
  if (name.empty()) {
    return "";
  }
  if (exists(name)) {
    return name;
  }
  const std::string fileName = base::ExtractFileName(name);
  if (fileName.empty()) {
    return "";
  }
  for (const std::string& folder : folders) {
    const std::string path = base::IncludeTrailingBackslash(folder) + fileName;
    if (exists(path)) {
      return path;
    }
  }
  return "";
}

}  // namespace skinning
