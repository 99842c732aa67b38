#include "joblist/supported_files.h"

#include <gtest/gtest.h>

namespace joblist {
namespace {

TEST(SupportedFiles, ExtensionRule) {
  const std::pair<const char*, bool> cases[] = {
      {"C:\\v\\clip.avi", true}, {"C:\\v\\CLIP.AVI", true}, {"C:\\v\\a.mkv", true},
      {"C:\\v\\a.rmvb", true},   {"C:\\v\\a.mp", true},     {"C:\\v\\a.3g", true},
      {"C:\\v\\a.m", true},      {"C:\\v\\a.avs", false},   {"C:\\v\\a.psp", false},
      {"C:\\v\\a.txt", false},   {"C:\\v\\noext", false},   {"C:\\v.avi\\noext", false},
      {"C:clip.vob", true},      {"C:\\v\\a.", true},  // "." alone occurs in the text
      {"C:\\v\\a.avi;*", true},                        // a run of the pattern text itself
  };
  for (const auto& [path, accepted] : cases) {
    EXPECT_EQ(IsSupportedVideoFile(path), accepted) << path;
  }
}

}  // namespace
}  // namespace joblist
