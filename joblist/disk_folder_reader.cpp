#include "joblist/disk_folder_reader.h"

#include <windows.h>

#include "base/path_text.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace joblist {

namespace {

bool IsDotEntry(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

}  // namespace

bool IsDiskFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(win::Utf8ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Opening a folder follows a link or junction to where it leads, so two
// paths to one folder give the same identity.
std::optional<FolderId> DiskFolderReader::Identify(const std::string& folder) {
  win::UniqueHandle handle(CreateFileW(
      win::Utf8ToWide(folder).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info{};
  if (!handle || !GetFileInformationByHandle(handle.Get(), &info)) {
    return std::nullopt;
  }
  FolderId id;
  id.volume = info.dwVolumeSerialNumber;
  id.index = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return id;
}

void DiskFolderReader::ReadEntries(const std::string& folder,
                                   const std::function<bool(const FolderEntry& entry)>& onEntry) {
  const std::wstring pattern = win::Utf8ToWide(base::IncludeTrailingBackslash(folder) + "*");
  WIN32_FIND_DATAW found{};
  win::UniqueFindHandle search(FindFirstFileW(pattern.c_str(), &found));
  if (!search) {
    return;
  }
  do {
    if (IsDotEntry(found.cFileName)) {
      continue;
    }
    FolderEntry entry;
    entry.name = win::WideToUtf8(found.cFileName);
    entry.isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!onEntry(entry)) {
      return;
    }
  } while (FindNextFileW(search.Get(), &found));
}

}  // namespace joblist
