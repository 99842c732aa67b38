#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "settings/profile_integer.h"
#include "settings/profile_text.h"

namespace {

TEST(ProfileTextTest, ValuesAreTrimmedAndLoseOnePairOfQuotes) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "plain"},
      {"  \tblanks around \t ", "blanks around"},
      {"\"  quoted, blanks kept inside  \"", "  quoted, blanks kept inside  "},
      {"  'single quotes'  ", "single quotes"},
      {"\"\"double pair\"\"", "\"double pair\""},
      {"\"mixed'", "\"mixed'"},
      {"\"", "\""},
      {"\"\"", ""},
      {"E&xit", "E&xit"},
      {"", ""},
  };
  for (const auto& [raw, expected] : cases) {
    EXPECT_EQ(expected, settings::ProfileValueText(raw)) << raw;
  }
}

// The cut counts characters, so a Chinese text is not split inside one.
TEST(ProfileTextTest, LongValuesAreCutAtWholeCharacters) {
  EXPECT_EQ(std::string(2047, 'x'), settings::ProfileValueText(std::string(3000, 'x')));
  std::string chinese;
  for (int i = 0; i < 2100; ++i) {
    chinese += "\xE4\xB8\xAD";  // U+4E2D
  }
  const std::string cut = settings::ProfileValueText(chinese);
  EXPECT_EQ(2047u * 3, cut.size());
  EXPECT_EQ(chinese.substr(0, 2047 * 3), cut);
}

TEST(ProfileTextTest, SectionFindsKeysWithoutRegardToCase) {
  const settings::ProfileSection section({
      "Title=first",
      "  spaced key  =  value  ",
      "TITLE=second",
      "; comment=not a key",
      "empty=",
      "no equals sign",
      "=no key",
  });
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"title", "first"},          {"Title", "first"}, {"spaced key", "value"},
      {"; comment", std::nullopt}, {"empty", ""},      {"no equals sign", std::nullopt},
      {"missing", std::nullopt},   {"", std::nullopt},
  };
  for (const auto& [key, expected] : cases) {
    EXPECT_EQ(expected, section.Value(key)) << key;
  }
}

// The whole file split as the platform's reader splits it: sections by the
// last "]" of their line, the first of two sections of one name, lines
// above every section belonging to none, and any line ending.
TEST(ProfileDocumentTest, SectionsAreSplitAsThePlatformSplitsThem) {
  const settings::ProfileDocument document(
      "orphan=above every section\r\n"
      "[common]\r\n"
      "language=1\r\n"
      "  [Setting]  \n"
      "outputFolder=C:\\\xD0\x92\xD0\xB8\xD0\xB4\xD0\xB5\xD0\xBE \xE8\xA7\x86\xE9\xA2\x91\n"
      "[a]b]\n"
      "key=in a]b\r"
      "\n"
      "[broken\n"
      "broken=joins [a]b]\n"
      "[common]\n"
      "language=2\n"
      "last=no line end");
  const std::tuple<const char*, const char*, std::optional<std::string>> cases[] = {
      {"common", "language", "1"},
      {"COMMON", "last", std::nullopt},
      {"setting", "outputFolder",
       "C:\\\xD0\x92\xD0\xB8\xD0\xB4\xD0\xB5\xD0\xBE \xE8\xA7\x86\xE9\xA2\x91"},
      {"a]b", "key", "in a]b"},
      {"a]b", "broken", "joins [a]b]"},
      {"broken", "broken", std::nullopt},
      {"", "orphan", std::nullopt},
      {"missing", "language", std::nullopt},
  };
  for (const auto& [section, key, expected] : cases) {
    EXPECT_EQ(expected, document.Section(section).Value(key)) << section << "." << key;
  }
  EXPECT_EQ(std::nullopt, settings::ProfileDocument("").Section("common").Value("language"));
}

// A value of many megabytes is read in one pass and cut as any other.
TEST(ProfileDocumentTest, AHugeLineIsReadInOnePass) {
  const std::string huge(20 << 20, 'x');
  const settings::ProfileDocument document("[setting]\noutputFolder=" + huge +
                                           "\n[skin]\nskin=3\n");
  EXPECT_EQ(std::string(settings::kMaxProfileValueLength, 'x'),
            document.Section("setting").Value("outputFolder"));
  EXPECT_EQ("3", document.Section("skin").Value("skin"));
}

TEST(ProfileIntegerTest, DecimalAndHexadecimalFormsAndEverythingElse) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"1", 1},
      {"0x1", 1},
      {"0X1f", 31},
      {"$1", 1},
      {"$FFFFFFFF", -1},
      {"-3", -3},
      {"+25", 25},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
      {"$100000000", std::nullopt},
      {"0x", std::nullopt},
      {"$", std::nullopt},
      {"0x1g", std::nullopt},
      {"text", std::nullopt},
      {"1.5", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"00", 0},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(expected, settings::ParseProfileInteger(text)) << text;
  }
}

}  // namespace
