// Language files applied to the windows: every key to its control, a key
// the file lacks leaving its control as built, and the reader's value rules.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>

#include "settings/ini_file.h"
#include "tests/app/program_fixture.h"
#include "tests/support/message_box_log.h"
#include "ui/application.h"
#include "win/code_page.h"

namespace app_test {
namespace {

using Texts = std::map<std::string, std::string>;

std::string Name(const settings::LanguageKey& key) {
  return key.section + "." + key.key;
}

Texts ShownTexts(const ProgramWindows& windows) {
  Texts texts;
  for (const settings::LanguageKey& key : KeysOfExistingWindows(windows)) {
    texts[Name(key)] = *ShownText(windows, key);
  }
  return texts;
}

std::string MenuEntryText(ui::TMenuItem* parent, ui::TAction* action) {
  for (int index = 0; index < parent->Count(); ++index) {
    if (parent->Item(index)->Action() == action) {
      wchar_t text[128] = {};
      GetMenuStringW(parent->Handle(), parent->Item(index)->Command(), text, 128, MF_BYCOMMAND);
      return win::WideToUtf8(text);
    }
  }
  return "(no entry)";
}

TEST(LanguageTest, ShippedEnglishFileReachesEveryControl) {
  const ScratchInstallation installation;
  installation.Install({"language\\en.ini"});
  ProgramWindows windows(installation);
  windows.Show();

  const settings::IniFile file(installation.AppFolder() + "language\\en.ini");
  for (const settings::LanguageKey& key : KeysOfExistingWindows(windows)) {
    EXPECT_EQ(file.ReadValue(key.section, key.key), ShownText(windows, key)) << Name(key);
  }
  // What the user sees of the commands and kept texts.
  app::TfrmMain& main = *windows.main;
  EXPECT_EQ("Vexmoor", ui::Application().Title());
  EXPECT_EQ("&Add...", main.buttonAdd->Caption());
  EXPECT_EQ("&Add...", MenuEntryText(main.N_1, main.ActionFileAdd));
  EXPECT_EQ("&Add...", MenuEntryText(&main.PopupMenu->Items(), main.ActionFileAdd));
  EXPECT_EQ("E&xit", MenuEntryText(main.N_1, main.ActionExit));
  EXPECT_EQ("&Browse...", main.BitBtnOutput->Caption());
  EXPECT_EQ("&Convert", main.buttonConvert->Caption());
  EXPECT_EQ("Files to convert", main.listViewFiles->ColumnCaption(0));
  EXPECT_EQ("Ready", main.labelCurrentInfo->Caption());
  EXPECT_EQ("File Exists", windows.overwrite->Caption());
  EXPECT_EQ("Add Files from a Folder", windows.batchAdd->Caption());
  EXPECT_EQ("Folder:", windows.directory->LabelDirectory->Caption());
  EXPECT_TRUE(windows.errors.empty());
}

// Once an encoder has run, the Convert button shows the kept start text.
TEST(LanguageTest, ConvertButtonShowsTheKeptTextAfterARun) {
  const ScratchInstallation installation;
  installation.Install({"language\\en.ini"});
  installation.InstallFakeEncoderCarrier();
  ProgramWindows windows(installation);
  windows.Show();
  windows.main->editOutputFolder->SetText(installation.TempFolder());
  WriteFile(installation.TempFolder() + "clip.avi", "ok\n");
  windows.main->AddFile(installation.TempFolder() + "clip.avi");
  test_support::MessageBoxLog boxes(IDNO);
  SendMessageW(windows.main->buttonConvert->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(1u, boxes.Texts().size());
  EXPECT_EQ(
      "All files in the list have been processed.\r\n\r\nDo you want to open the output folder "
      "now?",
      boxes.Texts()[0]);
  EXPECT_EQ("&Convert", windows.main->buttonConvert->Caption());
  EXPECT_EQ("Ready", windows.main->labelCurrentInfo->Caption());
}

// A key the file lacks, or a missing file, leaves the control with the
// text it was built with; a key present with an empty value empties it.
TEST(LanguageTest, KeysTheFileLacksLeaveTheirControlsAsBuilt) {
  struct Case {
    const char* name;
    const char* file;  // nullptr: no language file
    Texts changed;
  };
  const Case cases[] = {
      {"no language file", nullptr, {}},
      {"only the title", "[App]\r\nTitle=Only a title\r\n", {{"App.Title", "Only a title"}}},
      {"an empty value",
       "[frmMain]\r\nlabelOutput=\r\nmsgStatusReady=\r\n",
       {{"frmMain.labelOutput", ""}, {"frmMain.msgStatusReady", ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ScratchInstallation installation;
    if (c.file) {
      WriteFile(installation.AppFolder() + "language\\en.ini", c.file);
    }
    ProgramWindows windows(installation);
    Texts expected = ShownTexts(windows);
    const std::string status = windows.main->labelCurrentInfo->Caption();
    for (const auto& [key, text] : c.changed) {
      expected[key] = text;
    }
    windows.Show();
    EXPECT_EQ(expected, ShownTexts(windows));
    // The status line shows a ready text only when the file has one.
    const auto ready = c.changed.find("frmMain.msgStatusReady");
    EXPECT_EQ(ready == c.changed.end() ? status : ready->second,
              windows.main->labelCurrentInfo->Caption());
    EXPECT_NE("", windows.main->StringStartCaption);
  }
}

// Blanks and one pair of quotes go, letter case of sections and keys does
// not matter, an ampersand stays for the accelerator, and a value is cut
// to 2047 characters.
TEST(LanguageTest, ValuesAreReadAsThePlatformsReaderGivesThem) {
  const ScratchInstallation installation;
  WriteFile(installation.AppFolder() + "language\\en.ini",
            "[App]\r\nTitle=  \"  Quoted title  \"  \r\n"
            "[FRMMAIN]\r\ncaption='Single quotes'\r\nACTIONEXIT=E&xit\r\n"
            "actionfileadd=\"&Add\"\r\nlabelChannel=" +
                std::string(3000, 'x') +
                "\r\n"
                "N_Update=\"Mixed quotes'\r\n"
                "[frmOverWrite]\r\ncaption=\"\"\r\n");
  ProgramWindows windows(installation);
  windows.Show();
  app::TfrmMain& main = *windows.main;
  EXPECT_EQ("  Quoted title  ", ui::Application().Title());
  EXPECT_EQ("Single quotes", main.Caption());
  EXPECT_EQ("E&xit", MenuEntryText(main.N_1, main.ActionExit));
  EXPECT_EQ("&Add", main.buttonAdd->Caption());
  EXPECT_EQ(std::string(2047, 'x'), main.labelChannel->Caption());
  EXPECT_EQ("\"Mixed quotes'", main.N_Update->Caption());
  EXPECT_EQ("", windows.overwrite->Caption());
}

}  // namespace
}  // namespace app_test
