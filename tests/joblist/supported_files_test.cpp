#include "joblist/supported_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace joblist {
namespace {

const char* const kTodaysExtensions[] = {"webm", "m4v", "ts",  "mts", "m2ts",
                                         "flv",  "f4v", "ogv", "3g2", "divx"};

std::string UpperCase(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return text;
}

TEST(SupportedFiles, ExtensionRule) {
  const std::pair<const char*, bool> cases[] = {
      {"C:\\v\\clip.avi", true},
      {"C:\\v\\CLIP.AVI", true},
      {"C:\\v\\a.mkv", true},
      {"C:\\v\\a.rmvb", true},
      {"C:\\v\\a.mp", true},
      {"C:\\v\\a.3g", true},
      {"C:\\v\\a.m", true},
      {"C:\\v\\a.avs", false},
      {"C:\\v\\a.psp", false},
      {"C:\\v\\a.txt", false},
      {"C:\\v\\noext", false},
      {"C:\\v.avi\\noext", false},
      {"C:clip.vob", true},
      {"C:\\v\\a.", true},       // "." alone occurs in the text
      {"C:\\v\\a.avi;*", true},  // a run of the first version's text
      // Today's containers are taken whole: their leading parts, and runs
      // across their patterns, are not.
      {"C:\\v\\a.t", false},
      {"C:\\v\\a.o", false},
      {"C:\\v\\a.fl", false},
      {"C:\\v\\a.f", false},
      {"C:\\v\\a.m4", false},
      {"C:\\v\\a.m2", false},
      {"C:\\v\\a.m2t", false},
      {"C:\\v\\a.web", false},
      {"C:\\v\\a.div", false},
      {"C:\\v\\a.og", false},
      {"C:\\v\\a.ts;*", false},
      {"C:\\v\\a.divx;", false},
      {"C:\\v\\a.tsx", false},
      {"C:\\v\\a.3g2x", false},
  };
  for (const auto& [path, accepted] : cases) {
    EXPECT_EQ(IsSupportedVideoFile(path), accepted) << path;
  }
}

struct FilterGroup {
  std::string caption;
  std::string patterns;
};

// The open dialog's filter as caption and patterns pairs, in its order.
std::vector<FilterGroup> OpenDialogGroups() {
  std::vector<FilterGroup> groups;
  std::string filter = kOpenDialogFilter;
  while (!filter.empty()) {
    const std::size_t captionEnd = filter.find('|');
    const std::size_t patternsEnd = filter.find('|', captionEnd + 1);
    groups.push_back({filter.substr(0, captionEnd),
                      filter.substr(captionEnd + 1, patternsEnd - captionEnd - 1)});
    filter.erase(0, patternsEnd == std::string::npos ? filter.size() : patternsEnd + 1);
  }
  return groups;
}

bool HasPattern(const std::string& patterns, const std::string& extension) {
  return (";" + patterns + ";").find(";*." + extension + ";") != std::string::npos;
}

// Each of today's containers, in either case, by the rule, in the pattern
// text, and in the open dialog's "Support files" filter and in one of its
// groups.
TEST(SupportedFiles, TodaysContainersByEveryRule) {
  const std::vector<FilterGroup> groups = OpenDialogGroups();
  ASSERT_EQ("Support files", groups.front().caption);
  for (const char* extension : kTodaysExtensions) {
    SCOPED_TRACE(extension);
    EXPECT_TRUE(IsSupportedVideoFile(std::string("C:\\v\\clip.") + extension));
    EXPECT_TRUE(IsSupportedVideoFile(std::string("C:\\v\\CLIP.") + UpperCase(extension)));
    EXPECT_TRUE(HasPattern(kSupportedExtensions, extension));
    EXPECT_TRUE(HasPattern(groups.front().patterns, extension));
    EXPECT_EQ(1, std::count_if(groups.begin() + 1, groups.end() - 1, [&](const FilterGroup& group) {
                return HasPattern(group.patterns, extension);
              }));
  }
}

// The dialog's groups keep the first version's order, with "All files"
// last, and each caption lists the patterns of its group.
TEST(SupportedFiles, OpenDialogGroupsListWhatTheirCaptionsSay) {
  const std::vector<FilterGroup> groups = OpenDialogGroups();
  const char* const firstVersionOrder[] = {
      "Support files",         "RM files",      "AVI files",       "MPEG files", "WMV files",
      "Portable device files", "DVD VCD Files", "Quick Time Files"};
  ASSERT_GE(groups.size(), std::size(firstVersionOrder) + 1);
  for (std::size_t index = 0; index < std::size(firstVersionOrder); ++index) {
    EXPECT_EQ(0u, groups[index].caption.rfind(firstVersionOrder[index], 0))
        << groups[index].caption;
  }
  EXPECT_EQ("All files (*.*)", groups.back().caption);
  for (std::size_t index = 1; index < groups.size(); ++index) {
    EXPECT_NE(std::string::npos, groups[index].caption.find("(" + groups[index].patterns + ")"))
        << groups[index].caption;
  }
}

}  // namespace
}  // namespace joblist
