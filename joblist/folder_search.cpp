#include "joblist/folder_search.h"

#include <algorithm>
#include <vector>

#include "base/path_text.h"

namespace joblist {

namespace {

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

char FoldCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Wildcard match with backtracking to the last "*": linear in practice,
// and never worse than the product of the two lengths.
bool MatchesWildcards(const std::string& text, const std::string& pattern) {
  std::size_t t = 0, p = 0;
  std::size_t starAt = std::string::npos, textAtStar = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      textAtStar = t;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || FoldCase(pattern[p]) == FoldCase(text[t]))) {
      ++p;
      ++t;
    } else if (starAt != std::string::npos) {
      p = starAt + 1;
      t = ++textAtStar;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') {
    ++p;
  }
  return p == pattern.size();
}

class Search {
 public:
  Search(FolderReader& reader, const FolderSearchOptions& options, FolderSearchHandler& handler)
      : reader_(reader), options_(options), handler_(handler) {}

  // False once the handler has ended the search.
  bool Folder(const std::string& folder) {
    const std::optional<FolderId> id = reader_.Identify(folder);
    if (!id || std::find(searching_.begin(), searching_.end(), *id) != searching_.end()) {
      return true;
    }
    searching_.push_back(*id);
    bool going = true;
    reader_.ReadEntries(folder, [&](const FolderEntry& entry) {
      const std::string path = base::IncludeTrailingBackslash(folder) + entry.name;
      if (entry.isFolder && options_.includeSubfolders) {
        going = Folder(path);
      } else if (MatchesSearchPattern(entry.name, options_.extension)) {
        handler_.Found(path);
      } else {
        return true;
      }
      going = going && handler_.Continue();
      return going;
    });
    searching_.pop_back();
    return going;
  }

 private:
  FolderReader& reader_;
  const FolderSearchOptions& options_;
  FolderSearchHandler& handler_;
  // The folders from the start down to the one being read.
  std::vector<FolderId> searching_;
};

}  // namespace

std::string TrimSearchExtension(const std::string& text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
  return first < last ? std::string(first, last) : std::string();
}

bool MatchesSearchPattern(const std::string& name, const std::string& extension) {
  if (extension.empty() || extension == "*") {
    return true;
  }
  return MatchesWildcards(name, "*." + extension);
}

bool SearchFolder(FolderReader& reader, const std::string& folder,
                  const FolderSearchOptions& options, FolderSearchHandler& handler) {
  return Search(reader, options, handler).Folder(folder);
}

}  // namespace joblist
