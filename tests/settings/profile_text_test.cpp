#include <gtest/gtest.h>

#include <optional>
#include <string>
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
