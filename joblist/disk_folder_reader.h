#pragma once

#include "joblist/folder_search.h"

namespace joblist {

// Whether a path names a folder on disk (a link to one too).
bool IsDiskFolder(const std::string& path);

// The folders of the disks, read with the system's directory search; names
// and paths in UTF-8. Every entry is listed, hidden and system ones too.
class DiskFolderReader : public FolderReader {
 public:
  std::optional<FolderId> Identify(const std::string& folder) override;
  void ReadEntries(const std::string& folder,
                   const std::function<bool(const FolderEntry& entry)>& onEntry) override;
};

}  // namespace joblist
