#include "joblist/folder_search.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace joblist {
namespace {

using Names = std::vector<std::string>;

TEST(FolderSearch, TrimSearchExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"avi", "avi"}, {"  avi ", "avi"}, {"\tavi\r\n", "avi"}, {"", ""},
      {" \t ", ""},   {"a v", "a v"},    {"*", "*"},
  };
  for (const auto& [typed, trimmed] : cases) {
    EXPECT_EQ(trimmed, TrimSearchExtension(typed)) << "[" << typed << "]";
  }
}

TEST(FolderSearch, PatternMatchesLikeThePlatformsWildcards) {
  const struct {
    const char* name;
    const char* extension;
    bool matches;
  } cases[] = {
      {"clip.avi", "avi", true},    {"CLIP.AVI", "avi", true},
      {"clip.avi", "AVI", true},    {"clip.avi.txt", "avi", false},
      {"clip.av", "avi", false},    {"avi", "avi", false},
      {"a.b.avi", "avi", true},     {"clip.avi", "*", true},
      {"noext", "*", true},         {"noext", "", true},
      {"clip.mp4", "mp?", true},    {"clip.mpeg", "mp?", false},
      {"clip.mpeg", "mp*", true},   {"clip.mp", "mp*", true},
      {"clip.rmvb", "r*b", true},   {"clip.avi", "vi", false},
      {"x.tar.gz", "tar.gz", true}, {"x.gz", "tar.gz", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.matches, MatchesSearchPattern(c.name, c.extension))
        << c.name << " against *." << c.extension;
  }
}

// Folders in memory: each folder lists its entries in a fixed order, a
// name ending in "\" being a subfolder. A link is a path that leads to
// another folder, as a junction or symbolic link does.
class FakeFolders : public FolderReader {
 public:
  void Add(const std::string& folder, Names entries) { folders_[folder] = std::move(entries); }
  void Link(const std::string& link, const std::string& target) { links_[link] = target; }

  std::optional<FolderId> Identify(const std::string& folder) override {
    const auto found = folders_.find(Resolve(folder));
    if (found == folders_.end()) {
      return std::nullopt;
    }
    return FolderId{7, static_cast<std::uint64_t>(std::distance(folders_.begin(), found))};
  }

  void ReadEntries(const std::string& folder,
                   const std::function<bool(const FolderEntry&)>& onEntry) override {
    reads.push_back(folder);
    const auto found = folders_.find(Resolve(folder));
    if (found == folders_.end()) {
      return;
    }
    for (std::string name : found->second) {
      const bool isFolder = name.back() == '\\';
      if (isFolder) {
        name.pop_back();
      }
      if (!onEntry(FolderEntry{name, isFolder})) {
        return;
      }
    }
  }

  Names reads;

 private:
  std::string Resolve(std::string path) const {
    for (bool changed = true; changed;) {
      changed = false;
      for (const auto& [link, target] : links_) {
        if (path == link || path.rfind(link + "\\", 0) == 0) {
          path = target + path.substr(link.size());
          changed = true;
        }
      }
    }
    return path;
  }

  std::map<std::string, Names> folders_;
  std::map<std::string, std::string> links_;
};

// Records what the search hands over; "+" marks each call of Continue.
// Continue answers false from the given call on.
class Recorder : public FolderSearchHandler {
 public:
  explicit Recorder(int stopAt = 0) : stopAt_(stopAt) {}
  void Found(const std::string& path) override { events.push_back(path); }
  bool Continue() override {
    events.push_back("+");
    return stopAt_ == 0 || ++continues_ < stopAt_;
  }
  Names FoundPaths() const {
    Names found;
    for (const std::string& event : events) {
      if (event != "+") {
        found.push_back(event);
      }
    }
    return found;
  }

  Names events;

 private:
  int stopAt_;
  int continues_ = 0;
};

class FolderSearchTree : public testing::Test {
 protected:
  void SetUp() override {
    // Enumeration order on purpose unsorted: the search keeps it.
    disk.Add("C:\\v", {"b.avi", "notes.txt", "sub\\", "a.AVI", "movie.avi\\", "empty\\"});
    disk.Add("C:\\v\\sub", {"c.mpg", "deep\\", "d.avi"});
    disk.Add("C:\\v\\sub\\deep", {"e.avi"});
    disk.Add("C:\\v\\movie.avi", {"inner.avi"});
    disk.Add("C:\\v\\empty", {});
  }

  Names Search(const std::string& folder, bool subfolders, const std::string& extension) {
    Recorder recorder;
    EXPECT_TRUE(SearchFolder(disk, folder, {subfolders, extension}, recorder));
    return recorder.FoundPaths();
  }

  FakeFolders disk;
};

TEST_F(FolderSearchTree, FindsInEnumerationOrderWithSubfoldersWhereTheyAreMet) {
  const struct {
    bool subfolders;
    const char* extension;
    Names found;
  } cases[] = {
      {false,
       "*",
       {"C:\\v\\b.avi", "C:\\v\\notes.txt", "C:\\v\\sub", "C:\\v\\a.AVI", "C:\\v\\movie.avi",
        "C:\\v\\empty"}},
      {false, "avi", {"C:\\v\\b.avi", "C:\\v\\a.AVI", "C:\\v\\movie.avi"}},
      {true,
       "avi",
       {"C:\\v\\b.avi", "C:\\v\\sub\\deep\\e.avi", "C:\\v\\sub\\d.avi", "C:\\v\\a.AVI",
        "C:\\v\\movie.avi\\inner.avi"}},
      {true,
       "",
       {"C:\\v\\b.avi", "C:\\v\\notes.txt", "C:\\v\\sub\\c.mpg", "C:\\v\\sub\\deep\\e.avi",
        "C:\\v\\sub\\d.avi", "C:\\v\\a.AVI", "C:\\v\\movie.avi\\inner.avi"}},
      {true, "wmv", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.found, Search("C:\\v", c.subfolders, c.extension))
        << "subfolders " << c.subfolders << ", extension " << c.extension;
  }
}

// After every entry found and every subfolder searched, never after an
// entry the pattern passes over.
TEST_F(FolderSearchTree, HandlerHearsAfterEachHandledEntry) {
  Recorder recorder;
  SearchFolder(disk, "C:\\v\\sub", {true, "avi"}, recorder);
  EXPECT_EQ((Names{"C:\\v\\sub\\deep\\e.avi", "+", "+", "C:\\v\\sub\\d.avi", "+"}),
            recorder.events);
}

TEST_F(FolderSearchTree, HandlerEndsTheWholeSearch) {
  Recorder recorder(2);
  EXPECT_FALSE(SearchFolder(disk, "C:\\v", {true, "*"}, recorder));
  EXPECT_EQ((Names{"C:\\v\\b.avi", "C:\\v\\notes.txt"}), recorder.FoundPaths());
  EXPECT_EQ((Names{"C:\\v"}), disk.reads);

  // Ended inside a subfolder: nothing more of the folders above it either.
  Recorder deep(4);
  EXPECT_FALSE(SearchFolder(disk, "C:\\v", {true, "*"}, deep));
  EXPECT_EQ(
      (Names{"C:\\v\\b.avi", "C:\\v\\notes.txt", "C:\\v\\sub\\c.mpg", "C:\\v\\sub\\deep\\e.avi"}),
      deep.FoundPaths());
}

TEST_F(FolderSearchTree, FolderThatCannotBeReadIsSkipped) {
  disk.Add("C:\\w", {"a.avi", "gone\\", "b.avi"});
  EXPECT_EQ((Names{"C:\\w\\a.avi", "C:\\w\\b.avi"}), Search("C:\\w", true, "*"));
  EXPECT_EQ(Names{}, Search("C:\\missing", true, "*"));
}

TEST(FolderSearch, DriveRootJoinsWithOneBackslash) {
  FakeFolders disk;
  disk.Add("Q:\\", {"a.avi", "sub\\"});
  disk.Add("Q:\\sub", {"b.avi"});
  Recorder recorder;
  SearchFolder(disk, "Q:\\", {true, "*"}, recorder);
  EXPECT_EQ((Names{"Q:\\a.avi", "Q:\\sub\\b.avi"}), recorder.FoundPaths());
}

// Links that lead back to a folder being searched would recurse for ever
// (two of them double the work at every level); they are passed over. A
// link to a folder elsewhere is searched like any subfolder.
TEST(FolderSearch, LinksBackUpAreNotFollowed) {
  FakeFolders disk;
  disk.Add("C:\\v", {"a.avi", "sub\\", "self\\", "other\\"});
  disk.Add("C:\\v\\sub", {"b.avi", "up\\", "again\\"});
  disk.Add("C:\\x", {"c.avi"});
  disk.Link("C:\\v\\self", "C:\\v");
  disk.Link("C:\\v\\sub\\up", "C:\\v");
  disk.Link("C:\\v\\sub\\again", "C:\\v\\sub");
  disk.Link("C:\\v\\other", "C:\\x");
  Recorder recorder;
  EXPECT_TRUE(SearchFolder(disk, "C:\\v", {true, "avi"}, recorder));
  EXPECT_EQ((Names{"C:\\v\\a.avi", "C:\\v\\sub\\b.avi", "C:\\v\\other\\c.avi"}),
            recorder.FoundPaths());
}

}  // namespace
}  // namespace joblist
