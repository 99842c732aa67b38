#include <gtest/gtest.h>

#include <utility>

#include "settings/language_set.h"

namespace {

// Each language file is read in the code page the build stores it in,
// found by its name wherever it lies and however its letters are cased.
TEST(LanguageFileCodePageTest, ChineseFileIn936EveryOtherIn1252) {
  const std::pair<const char*, unsigned> cases[] = {
      {"C:\\Program Files\\Vexmoor\\language\\gb.ini", 936},
      {"language\\GB.INI", 936},
      {"C:\\\xD0\x9F\xD1\x80\xD0\xBE\\language\\gb.ini", 936},
      {"C:\\Vexmoor\\language\\en.ini", 1252},
      {"C:\\gb.ini\\en.ini", 1252},
      {"showcase.ini", 1252},
  };
  for (const auto& [fileName, codePage] : cases) {
    EXPECT_EQ(codePage, settings::LanguageFileCodePage(fileName)) << fileName;
  }
}

}  // namespace
