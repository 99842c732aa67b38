#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace joblist {

// The extension typed for a folder search without the blanks and control
// characters around it.
std::string TrimSearchExtension(const std::string& text);

// Whether a name matches the search pattern "*." followed by the extension,
// with the wildcards of the platform's directory search: "*" stands for any
// run of characters, "?" for one, and ASCII letters match in either case.
// The extension "*" (or an empty one) matches every name, also one without
// a dot.
bool MatchesSearchPattern(const std::string& name, const std::string& extension);

struct FolderEntry {
  std::string name;
  bool isFolder = false;
};

// Tells folders apart also when one is reached through a link: the volume
// and the folder's number on it.
struct FolderId {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool operator==(const FolderId& other) const {
    return volume == other.volume && index == other.index;
  }
};

// The file system as the search sees it.
class FolderReader {
 public:
  virtual ~FolderReader() = default;
  // The identity of the folder a path leads to (following links), or
  // nothing when it cannot be opened.
  virtual std::optional<FolderId> Identify(const std::string& folder) = 0;
  // Calls onEntry with each entry of the folder except "." and "..", in the
  // order the file system gives them, until onEntry returns false. A folder
  // that cannot be read has no entries.
  virtual void ReadEntries(const std::string& folder,
                           const std::function<bool(const FolderEntry& entry)>& onEntry) = 0;
};

class FolderSearchHandler {
 public:
  // A path whose name matched the pattern: a file, or a folder when
  // subfolders are not searched.
  virtual void Found(const std::string& path) = 0;
  // Called after each entry the search handled (a path found, a subfolder
  // searched); false ends the whole search.
  virtual bool Continue() = 0;

 protected:
  ~FolderSearchHandler() = default;
};

struct FolderSearchOptions {
  bool includeSubfolders = false;
  // Without the dot; "*" or empty for any.
  std::string extension;
};

// Searches a folder depth first: each subfolder (when included) is searched
// completely where the enumeration meets it; every other entry whose name
// matches the pattern is handed to Found, joined to its folder with one
// backslash. A folder that cannot be read is skipped, and so is a folder
// that is one of those being searched already (a link or junction that
// leads back up), so a loop of links ends. Returns false when the handler
// ended the search.
bool SearchFolder(FolderReader& reader, const std::string& folder,
                  const FolderSearchOptions& options, FolderSearchHandler& handler);

}  // namespace joblist
