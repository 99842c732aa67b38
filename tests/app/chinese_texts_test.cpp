// The Chinese language file on any Windows: gb.ini is stored in code page
// 936 and read in it whatever the system's code page is. CTest runs this
// on a system of code page 1252 and on one of 936, with the program in a
// folder named outside both. Every text must reach its window as the
// UTF-8 source of the file has it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/path_text.h"
#include "tests/app/program_fixture.h"
#include "tests/support/ini_text.h"
#include "tests/support/window_driver.h"
#include "ui/application.h"
#include "win/code_page.h"

namespace app_test {
namespace {

std::string WideWindowText(HWND window) {
  wchar_t text[4096] = {};
  return win::WideToUtf8(std::wstring(text, GetWindowTextW(window, text, 4096)));
}

TEST(ChineseTextsTest, WindowsShowTheChineseFileOnAnySystemCodePage) {
  const ScratchInstallation installation(kUnicodeFolderName);
  installation.Install({"language\\gb.ini"});
  installation.WriteConfig("[common]\r\nlanguage=1\r\n");
  ProgramWindows windows(installation);
  windows.Show();

  const test_support::IniText source =
      test_support::ParseIniText(ReadFile(SourceFolder() + "data\\language\\gb.ini"));
  int controls = 0;
  for (const settings::LanguageKey& key : KeysOfExistingWindows(windows)) {
    const std::string expected =
        source.sections.at(base::LowerCase(key.section)).Value(key.key).value();
    EXPECT_EQ(expected, ShownText(windows, key)) << key.section << "." << key.key;
    ui::TForm* window = WindowOf(windows, key.section);
    if (!window) {  // the application's title
      continue;
    }
    auto* control = dynamic_cast<ui::TControl*>(key.target == settings::TextTarget::kWindowCaption
                                                    ? window
                                                    : window->FindNestedComponent(key.component));
    const bool windowText = key.target == settings::TextTarget::kWindowCaption ||
                            key.target == settings::TextTarget::kComponentCaption;
    if (control && windowText) {
      EXPECT_EQ(expected, WideWindowText(control->Handle())) << key.key;
      ++controls;
    }
  }
  EXPECT_GT(controls, 10);
  EXPECT_EQ("准备就绪", windows.main->labelCurrentInfo->Caption());
  EXPECT_EQ("准备就绪", WideWindowText(windows.main->labelCurrentInfo->Handle()));
}

// From a folder named outside the system's code page too. The viewer
// shows the help file's title, stored in code page 936, in the system's
// code page: readable on a Chinese system only.
TEST(ChineseTextsTest, HelpEntryOpensTheChineseHelpFile) {
  const ScratchInstallation installation(kUnicodeFolderName);
  installation.Install({"language\\gb.ini", "Vexmoor_gb.chm"});
  installation.WriteConfig("[common]\r\nlanguage=1\r\n");
  ProgramWindows windows(installation);
  windows.Show();
  SendMessageW(windows.main->Handle(), WM_COMMAND,
               MAKEWPARAM(windows.main->N_LocalHelp->Command(), 0), 0);
  const win::AnsiString title("Vexmoor \xB0\xEF\xD6\xFA");  // Vexmoor 帮助 in code page 936
  CloseWhenShown(L"HH Parent", win::AnsiToUtf8(title), WM_CLOSE);
}

}  // namespace
}  // namespace app_test
