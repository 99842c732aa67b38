// The Chinese language file as a Chinese Windows reads it: Wine runs this
// test with a Chinese locale, so the system code page is 936, the code
// page the build stores gb.ini in. Every text must reach its window as the
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

// An ANSI program's view of a window's text: in the system code page.
std::string AnsiWindowText(HWND window) {
  char text[4096] = {};
  return std::string(text, GetWindowTextA(window, text, sizeof text));
}

TEST(ChineseTextsTest, WindowsShowTheChineseFileReadInCodePage936) {
  ASSERT_EQ(936u, GetACP()) << "Wine must run this test with LC_ALL=zh_CN.UTF-8";
  const ScratchInstallation installation;
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
      EXPECT_EQ(win::Utf8ToAnsi(expected), AnsiWindowText(control->Handle())) << key.key;
      ++controls;
    }
  }
  EXPECT_GT(controls, 10);
  EXPECT_EQ("准备就绪", windows.main->labelCurrentInfo->Caption());
  EXPECT_EQ("\xD7\xBC\xB1\xB8\xBE\xCD\xD0\xF7",  // 准备就绪 in code page 936
            AnsiWindowText(windows.main->labelCurrentInfo->Handle()));
}

TEST(ChineseTextsTest, HelpEntryOpensTheChineseHelpFile) {
  const ScratchInstallation installation;
  installation.Install({"language\\gb.ini", "Vexmoor_gb.chm"});
  installation.WriteConfig("[common]\r\nlanguage=1\r\n");
  ProgramWindows windows(installation);
  windows.Show();
  SendMessageW(windows.main->Handle(), WM_COMMAND,
               MAKEWPARAM(windows.main->N_LocalHelp->Command(), 0), 0);
  CloseWhenShown(L"HH Parent", "Vexmoor 帮助", WM_CLOSE);
}

}  // namespace
}  // namespace app_test
