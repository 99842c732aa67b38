#include "base/path_text.h"

#include <gtest/gtest.h>

namespace base {
namespace {

TEST(PathText, SplitsWindowsPaths) {
  struct Case {
    const char* path;
    const char* folder;
    const char* name;
    const char* extension;
    const char* as3gp;
  };
  const Case cases[] = {
      {"C:\\Video\\My.Clip.avi", "C:\\Video\\", "My.Clip.avi", ".avi", "C:\\Video\\My.Clip.3gp"},
      {"C:\\Video\\noext", "C:\\Video\\", "noext", "", "C:\\Video\\noext.3gp"},
      {"C:\\v.d\\noext", "C:\\v.d\\", "noext", "", "C:\\v.d\\noext.3gp"},
      {"C:clip.avi", "C:", "clip.avi", ".avi", "C:clip.3gp"},
      {"clip.", "", "clip.", ".", "clip.3gp"},
      {".hidden", "", ".hidden", ".hidden", ".3gp"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.path), c.folder) << c.path;
    EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    EXPECT_EQ(ExtractFileExt(c.path), c.extension) << c.path;
    EXPECT_EQ(ChangeFileExt(c.path, ".3gp"), c.as3gp) << c.path;
  }
}

TEST(PathText, TrailingBackslashIsAddedOnce) {
  EXPECT_EQ(IncludeTrailingBackslash("D:\\Out"), "D:\\Out\\");
  EXPECT_EQ(IncludeTrailingBackslash("D:\\Out\\"), "D:\\Out\\");
  EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
}

}  // namespace
}  // namespace base
