// The language files as they stand in the source tree: every key the
// program reads, no key it does not, and texts the program can use.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/ascii_case.h"
#include "base/path_text.h"
#include "settings/language_keys.h"
#include "tests/support/ini_text.h"

namespace {

const char* const kLanguageFiles[] = {"en.ini", "gb.ini"};

test_support::IniText ReadLanguageFile(const std::string& name) {
  std::ifstream file(std::string(VEXMOOR_SOURCE_FOLDER) + "data/language/" + name,
                     std::ios::binary);
  EXPECT_TRUE(file) << name;
  return test_support::ParseIniText(
      {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
}

std::string Text(const test_support::IniText& file, const std::string& section,
                 const std::string& key) {
  const auto found = file.sections.find(base::LowerCase(section));
  if (found == file.sections.end()) {
    return {};
  }
  return found->second.Value(key).value_or("");
}

// The letter after the single "&" of a caption, upper-cased; 0 when the
// caption has none or more than one.
char Accelerator(const std::string& caption) {
  const std::size_t at = caption.find('&');
  if (at == std::string::npos || at + 1 >= caption.size() ||
      caption.find('&', at + 1) != std::string::npos) {
    return 0;
  }
  const char letter = caption[at + 1];
  return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

std::vector<std::string> Numbered(const std::string& prefix, int count) {
  std::vector<std::string> keys;
  for (int number = 1; number <= count; ++number) {
    keys.push_back(prefix + std::to_string(number));
  }
  return keys;
}

TEST(LanguageFilesTest, HoldEveryKeyTheProgramReadsWithAText) {
  for (const char* name : kLanguageFiles) {
    const test_support::IniText file = ReadLanguageFile(name);
    for (const settings::LanguageKey& key : settings::LanguageKeys()) {
      EXPECT_NE("", Text(file, key.section, key.key))
          << name << " [" << key.section << "] " << key.key;
    }
  }
}

// A misspelt key would be read by nobody, and its control would keep its
// built-in text.
TEST(LanguageFilesTest, HoldNoKeyTheProgramDoesNotRead) {
  std::set<std::pair<std::string, std::string>> known;
  for (const settings::LanguageKey& key : settings::LanguageKeys()) {
    known.emplace(base::LowerCase(key.section), base::LowerCase(key.key));
  }
  for (const char* name : kLanguageFiles) {
    for (const auto& [section, key] : ReadLanguageFile(name).keys) {
      EXPECT_TRUE(known.count({section, base::LowerCase(key)}))
          << name << " [" << section << "] " << key;
    }
  }
}

// The status line during a run has the file's position put in for %s.
TEST(LanguageFilesTest, RunningStatusTakesOnePosition) {
  for (const char* name : kLanguageFiles) {
    const std::string text = Text(ReadLanguageFile(name), "frmMain", "msgStatusRun");
    const std::size_t first = text.find("%s");
    EXPECT_NE(std::string::npos, first) << name;
    EXPECT_EQ(std::string::npos, text.find('%', first + 2)) << name;
    EXPECT_EQ(first, text.find('%')) << name;
  }
}

// Every menu entry has one accelerator, and no two entries of one menu
// share it.
TEST(LanguageFilesTest, MenuEntriesHaveAcceleratorsOfTheirOwn) {
  const std::vector<std::string> fileMenu = {
      "ActionFileAdd",    "ActionFileBatchAdd", "ActionFileDelete", "ActionFileClearAll",
      "ActionFileMoveUp", "ActionFileMoveDown", "ActionConvertNow", "ActionExit"};
  const std::map<std::string, std::vector<std::string>> menus = {
      {"menu bar", {"N_1", "N_Skin", "N_Tools", "N_Help"}},
      {"File", fileMenu},
      {"File while converting",
       {"ActionFileAdd", "ActionFileBatchAdd", "ActionFileDelete", "ActionFileClearAll",
        "ActionFileMoveUp", "ActionFileMoveDown", "StringStopCaption", "ActionExit"}},
      {"Skin", Numbered("N_Skin", 18)},
      {"Tools", {"N_OtherProducts"}},
      {"Other products", Numbered("N_Product", 7)},
      {"Help", {"N_LocalHelp", "N_HomePage", "N_Support", "N_FeedBack", "N_Update"}},
  };
  for (const char* name : kLanguageFiles) {
    const test_support::IniText file = ReadLanguageFile(name);
    for (const auto& [menu, keys] : menus) {
      std::map<char, std::string> taken;
      for (const std::string& key : keys) {
        const char letter = Accelerator(Text(file, "frmMain", key));
        EXPECT_NE(0, letter) << name << " " << key;
        const auto [other, fresh] = taken.emplace(letter, key);
        EXPECT_TRUE(fresh || letter == 0) << name << ", " << menu << " menu: " << key << " and "
                                          << other->second << " share &" << letter;
      }
    }
  }
}

}  // namespace
