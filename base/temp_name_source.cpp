#include "base/temp_name_source.h"

#include <filesystem>

namespace base {

std::string NewTempFileName(TempNameSource& names) {
  std::string name = names.TempFolder();
  if (!name.empty() && name.back() != '\\' && name.back() != '/') {
    name += static_cast<char>(std::filesystem::path::preferred_separator);
  }
  return name + names.NewGuidText();
}

}  // namespace base
