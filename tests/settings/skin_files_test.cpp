#include <gtest/gtest.h>

#include "settings/skin_files.h"

namespace settings {
namespace {

TEST(SkinFilesTest, EntriesInMenuOrderAndSilverOutsideThem) {
  const std::pair<int, const char*> cases[] = {
      {1, "skins\\Calmness.ssk"},   {6, "skins\\MacOS.ssk"},     {10, "skins\\Silver.ssk"},
      {13, "skins\\Midsummer.ssk"}, {18, "skins\\XPSilver.ssk"}, {0, "skins\\Silver.ssk"},
      {19, "skins\\Silver.ssk"},    {-3, "skins\\Silver.ssk"},
  };
  for (const auto& [index, path] : cases) {
    EXPECT_EQ(path, SkinFilePath(index)) << index;
  }
}

}  // namespace
}  // namespace settings
