// config.ini as the program reads and writes it: the language set chosen at
// start-up, the skin number, and the output folder restored and kept.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "settings/ini_file.h"
#include "tests/app/program_fixture.h"
#include "tests/support/unicode_names.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace app_test {
namespace {

std::optional<std::string> ConfigValue(const ScratchInstallation& installation, const char* section,
                                       const char* key) {
  return settings::IniFile(installation.ConfigFile()).ReadValue(section, key);
}

// Held open without sharing the right to write, the file refuses every
// write, as a read-only file does. (Wine running as root writes into
// read-only files.)
win::UniqueHandle HoldAgainstWriting(const std::string& path) {
  return win::UniqueHandle(CreateFileW(win::Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                       nullptr, OPEN_EXISTING, 0, nullptr));
}

TEST(LanguageSetTest, CommonLanguageValueChoosesTheSetOnce) {
  struct Case {
    const char* config;  // nullptr: no config.ini
    int languageId;
    bool chinese;
  };
  const Case cases[] = {
      {"[common]\r\nlanguage=1\r\n", 1, true},
      {"[common]\r\nlanguage=0x1\r\n", 1, true},
      {"[Common]\r\nLanguage = $1\r\n", 1, true},
      {"[common]\r\nlanguage=2\r\n", 2, false},
      {"[common]\r\nlanguage=0\r\n", 0, false},
      {"[common]\r\nlanguage=7\r\n", 7, false},
      {"[common]\r\nlanguage=chinese\r\n", 2, false},
      {"[skin]\r\nlanguage=1\r\n", 2, false},
      {nullptr, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.config ? c.config : "no config.ini");
    const ScratchInstallation installation;
    if (c.config) {
      installation.WriteConfig(c.config);
    }
    app::TfrmCommon common(installation.Folders().executablePath);
    common.DoCreate();
    const std::string app = installation.AppFolder();
    EXPECT_EQ(app, common.AppPath);
    EXPECT_EQ(app + "config.ini", common.ConfigFile);
    EXPECT_EQ(c.languageId, common.LanguageId);
    EXPECT_EQ(app + (c.chinese ? "language\\gb.ini" : "language\\en.ini"), common.LanguageFile);
    EXPECT_EQ(app + (c.chinese ? "splash-gb.bmp" : "splash-en.bmp"), common.SplashFile);
    EXPECT_EQ(app + (c.chinese ? "Vexmoor_gb.chm" : "Vexmoor.chm"), common.HelpFile);
    EXPECT_EQ(c.chinese ? "https://vexmoor.org/zh/" : "https://vexmoor.org/", common.HomePageUrl);
    EXPECT_EQ(c.chinese ? "mailto:support-zh@vexmoor.org" : "mailto:support@vexmoor.org",
              common.SupportMailUrl);
    EXPECT_EQ(c.chinese ? "https://vexmoor.org/zh/contact/" : "https://vexmoor.org/feedback/",
              common.FeedbackUrl);
    // Read once: a change of the file takes effect at the next start.
    installation.WriteConfig("[common]\r\nlanguage=3\r\n");
    EXPECT_EQ(c.languageId, common.LanguageId);
  }
}

TEST(SkinIndexTest, ReadWithItsDefaultAndWrittenInDecimal) {
  const std::pair<const char*, int> cases[] = {
      {nullptr, 10},
      {"[skin]\r\n", 10},
      {"[skin]\r\nskin=silver\r\n", 10},
      {"[skin]\r\nskin=25\r\n", 25},
      {"[skin]\r\nskin=-3\r\n", -3},
      {"[SKIN]\r\nSkin=$E\r\n", 14},
  };
  for (const auto& [config, expected] : cases) {
    SCOPED_TRACE(config ? config : "no config.ini");
    const ScratchInstallation installation;
    if (config) {
      installation.WriteConfig(config);
    }
    app::TfrmCommon common(installation.Folders().executablePath);
    common.DoCreate();
    EXPECT_EQ(expected, common.ReadSkinIndex());
    common.WriteSkinIndex(18);
    EXPECT_EQ("18", ConfigValue(installation, "skin", "skin"));
    EXPECT_EQ(18, common.ReadSkinIndex());
  }
}

// The field starts as "C:\"; only a text that differs from it is a change,
// and every change is written at once.
TEST(OutputFolderTest, FirstShowingRestoresTheFolderAndWritesOnlyAChange) {
  struct Case {
    const char* config;
    const char* shown;
    bool written;
  };
  const Case cases[] = {
      {nullptr, "c:\\", true},
      {"[setting]\r\n", "c:\\", true},
      {"[setting]\r\noutputFolder=C:\\\r\n", "C:\\", false},
      {"[setting]\r\noutputFolder=\r\n", "", true},
      {"[Setting]\r\nOUTPUTFOLDER=\"D:\\My Videos\\\"\r\n", "D:\\My Videos\\", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.config ? c.config : "no config.ini");
    const ScratchInstallation installation;
    if (c.config) {
      installation.WriteConfig(c.config);
    }
    ProgramWindows windows(installation);
    {
      // Nothing may be written where the field keeps its text.
      const win::UniqueHandle held =
          c.written ? win::UniqueHandle() : HoldAgainstWriting(installation.ConfigFile());
      windows.Show();
    }
    EXPECT_EQ(c.shown, windows.main->editOutputFolder->Text());
    EXPECT_EQ(std::string(c.shown), ConfigValue(installation, "setting", "outputFolder"));
    EXPECT_TRUE(windows.errors.empty()) << windows.errors.front();

    windows.main->editOutputFolder->SetText("E:\\Phone");
    EXPECT_EQ("E:\\Phone", ConfigValue(installation, "setting", "outputFolder"));
  }
}

// A folder of any name, chosen, is the output folder again at the next
// start, as is the skin; the file is Unicode from the first write on.
TEST(OutputFolderTest, AFolderOfAnyNameSurvivesARestart) {
  for (const char* name : test_support::kUnicodeNames) {
    const std::string folder = std::string("C:\\") + name + "\\";
    SCOPED_TRACE(folder);
    const ScratchInstallation installation;
    installation.WriteConfig("[common]\r\nlanguage=2\r\n[skin]\r\nskin=6\r\n");
    {
      ProgramWindows windows(installation);
      windows.Show();
      windows.main->editOutputFolder->SetText(folder);
    }
    EXPECT_EQ("\xFF\xFE", ReadFile(installation.ConfigFile()).substr(0, 2));
    ProgramWindows windows(installation);
    windows.Show();
    EXPECT_EQ(folder, windows.main->editOutputFolder->Text());
    EXPECT_EQ(6, windows.common->ReadSkinIndex());
    EXPECT_EQ(2, windows.common->LanguageId);
  }
}

// The error is shown, the field keeps the folder and the start goes on:
// the encoder is still installed.
TEST(OutputFolderTest, UnwritableConfigIsReportedAndStartUpGoesOn) {
  const ScratchInstallation installation;
  installation.WriteConfig("[common]\r\nlanguage=2\r\n");
  installation.InstallFakeEncoderCarrier();
  ProgramWindows windows(installation);
  {
    const win::UniqueHandle held = HoldAgainstWriting(installation.ConfigFile());
    ASSERT_TRUE(held);
    windows.Show();
  }
  EXPECT_EQ(std::vector<std::string>{"Unable to write to " + installation.ConfigFile()},
            windows.errors);
  EXPECT_EQ("c:\\", windows.main->editOutputFolder->Text());
  EXPECT_EQ(std::nullopt, ConfigValue(installation, "setting", "outputFolder"));
  EXPECT_TRUE(FileExists(installation.EncoderPath()));
}

}  // namespace
}  // namespace app_test
