#include "win/leftover_files.h"

#include <windows.h>

#include "win/code_page.h"
#include "win/unique.h"

namespace win {

namespace {

// Whether the file's writer runs. The system hands out the ids of ended
// processes again, Wine at once: a process that started after the file
// was made only took the id over. A process whose start cannot be read
// counts as the writer.
bool WriterRuns(DWORD processId, const FILETIME& fileMade) {
  const UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
  if (!process || WaitForSingleObject(process.Get(), 0) != WAIT_TIMEOUT) {
    return false;
  }
  const UniqueHandle query(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
  FILETIME started, ended, kernel, user;
  return !query || !GetProcessTimes(query.Get(), &started, &ended, &kernel, &user) ||
         CompareFileTime(&started, &fileMade) <= 0;
}

// The process id that a name the search matched carries, or 0. The search
// ignores letter case, so the id is read back from the end of the name.
DWORD ProcessIdIn(const std::string& name, const std::string& prefix, const std::string& suffix) {
  if (name.size() <= prefix.size() + suffix.size()) {
    return 0;
  }
  const std::string rest = name.substr(0, name.size() - suffix.size());
  const size_t start = rest.find_last_not_of("0123456789") + 1;
  if (start == 0 || start == rest.size() || rest.size() - start > 9 ||
      rest[start - 1] != prefix.back()) {
    return 0;
  }
  return static_cast<DWORD>(std::stoul(rest.substr(start)));
}

}  // namespace

void RemoveLeftovers(const std::string& folder, const std::string& prefix,
                     const std::string& suffix) {
  WIN32_FIND_DATAW found;
  const UniqueFindHandle search(
      FindFirstFileW(Utf8ToWide(folder + prefix + "*" + suffix).c_str(), &found));
  if (!search) {
    return;
  }
  do {
    const std::string name = WideToUtf8(found.cFileName);
    const DWORD processId = ProcessIdIn(name, prefix, suffix);
    if (processId != 0 && !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
        !WriterRuns(processId, found.ftCreationTime)) {
      DeleteFileW(Utf8ToWide(folder + name).c_str());
    }
  } while (FindNextFileW(search.Get(), &found));
}

}  // namespace win
