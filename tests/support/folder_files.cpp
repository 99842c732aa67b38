#include "tests/support/folder_files.h"

#include <windows.h>

#include <algorithm>

#include "base/path_text.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace test_support {

std::vector<std::string> FilesIn(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  const win::UniqueFindHandle search(FindFirstFileW(
      win::Utf8ToWide(base::IncludeTrailingBackslash(folder) + pattern).c_str(), &found));
  if (!search) {
    return names;
  }
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      names.push_back(win::WideToUtf8(found.cFileName));
    }
  } while (FindNextFileW(search.Get(), &found));
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace test_support
