// The Skin menu and the skin restored at start-up: which file reaches the
// skin engine, what config.ini keeps, and what a missing or unreadable
// skin does.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "settings/ini_file.h"
#include "tests/app/program_fixture.h"
#include "win/code_page.h"

namespace app_test {
namespace {

class SkinSelectionTest : public testing::Test {
 protected:
  // Skins of the build's program folder, by name.
  void InstallSkins(std::initializer_list<const char*> names) {
    CreateDirectoryW(win::Utf8ToWide(installation.AppFolder() + "skins").c_str(), nullptr);
    for (const char* name : names) {
      const std::string file = std::string("skins\\") + name + ".ssk";
      installation.Install({file.c_str()});
    }
  }
  std::string SkinPath(const std::string& name) const {
    return installation.AppFolder() + "skins\\" + name + ".ssk";
  }
  std::optional<std::string> StoredSkin() const {
    return settings::IniFile(installation.ConfigFile()).ReadValue("skin", "skin");
  }
  // The windows as start-up shows them.
  std::unique_ptr<ProgramWindows> Start() {
    auto windows = std::make_unique<ProgramWindows>(installation);
    windows->Show();
    return windows;
  }
  static skinning::TvxSkinEngine& Engine(ProgramWindows& windows) {
    return *windows.main->vxSkinEngine;
  }
  // As the user picks the entry: its command reaches the main window.
  static void Choose(ProgramWindows& windows, int entry) {
    SendMessageW(windows.main->Handle(), WM_COMMAND,
                 windows.main->N_SkinItems[entry - 1]->Command(), 0);
  }

  // In a folder named outside every code page: the skins are found and
  // read there by their wide names.
  ScratchInstallation installation{kUnicodeFolderName};
};

TEST_F(SkinSelectionTest, StartUpAppliesTheStoredSkinOrSilver) {
  const std::pair<const char*, const char*> cases[] = {
      {nullptr, "Silver"},
      {"[skin]\r\nskin=0\r\n", "Silver"},
      {"[skin]\r\nskin=19\r\n", "Silver"},
      {"[skin]\r\nskin=-3\r\n", "Silver"},
      {"[skin]\r\nskin=dark\r\n", "Silver"},
      {"[skin]\r\nskin=6\r\n", "MacOS"},
      {"[skin]\r\nskin=18\r\n", "XPSilver"},
  };
  InstallSkins({"Silver", "MacOS", "XPSilver"});
  for (const auto& [config, skin] : cases) {
    SCOPED_TRACE(config ? config : "no config.ini");
    if (config) {
      installation.WriteConfig(config);
    } else {
      DeleteFileW(win::Utf8ToWide(installation.ConfigFile()).c_str());
    }
    const std::optional<std::string> stored = StoredSkin();
    auto windows = Start();
    EXPECT_EQ(SkinPath(skin), Engine(*windows).SkinFile());
    EXPECT_TRUE(Engine(*windows).Ready());
    EXPECT_TRUE(Engine(*windows).FindSkinWindow(windows->main->Handle())->FrameOn());
    EXPECT_TRUE(windows->errors.empty());
    // Nothing is written back.
    EXPECT_EQ(stored, StoredSkin());
  }
}

TEST_F(SkinSelectionTest, EveryWindowOfTheProgramWearsTheSkin) {
  InstallSkins({"Silver"});
  auto windows = Start();
  for (ui::TForm* form :
       std::initializer_list<ui::TForm*>{windows->main.get(), windows->overwrite.get(),
                                         windows->batchAdd.get(), windows->directory.get()}) {
    SCOPED_TRACE(form->Name());
    skinning::TvxSkinWindow* skinned = Engine(*windows).FindSkinWindow(form->Handle());
    ASSERT_NE(nullptr, skinned);
    EXPECT_TRUE(skinned->FrameOn());
    EXPECT_EQ(0, GetWindowLongW(form->Handle(), GWL_STYLE) & WS_SYSMENU);
  }
}

TEST_F(SkinSelectionTest, AnEntryAppliesItsSkinAndTheNextStartShowsIt) {
  InstallSkins({"Silver", "XPSilver"});
  {
    auto windows = Start();
    EXPECT_EQ(SkinPath("Silver"), Engine(*windows).SkinFile());
    int changes = 0;
    Engine(*windows).OnSkinChanged = [&changes](base::TComponent*) { ++changes; };
    Choose(*windows, 18);
    EXPECT_EQ(SkinPath("XPSilver"), Engine(*windows).SkinFile());
    EXPECT_EQ("18", StoredSkin());
    // The skin in use, chosen again, is loaded again.
    Choose(*windows, 18);
    EXPECT_EQ(2, changes);
    EXPECT_TRUE(windows->errors.empty());
  }
  auto windows = Start();
  EXPECT_EQ(SkinPath("XPSilver"), Engine(*windows).SkinFile());
}

TEST_F(SkinSelectionTest, AnEntryWhoseFileIsGoneIsKeptAndLeavesTheLook) {
  InstallSkins({"Silver"});
  {
    auto windows = Start();
    Choose(*windows, 6);
    EXPECT_EQ(SkinPath("Silver"), Engine(*windows).SkinFile());
    EXPECT_TRUE(Engine(*windows).Ready());
    EXPECT_EQ("6", StoredSkin());
    EXPECT_TRUE(windows->errors.empty());
  }
  // Found nowhere at the next start: the ordinary look.
  auto windows = Start();
  EXPECT_EQ("", Engine(*windows).SkinFile());
  EXPECT_FALSE(Engine(*windows).Ready());
  EXPECT_TRUE(windows->errors.empty());
}

TEST_F(SkinSelectionTest, AnUnreadableSkinIsReportedAndNotKept) {
  InstallSkins({"Silver"});
  WriteFile(SkinPath("MacOS"), "SK damaged");
  auto windows = Start();
  Choose(*windows, 6);
  EXPECT_EQ(std::vector<std::string>{"Failed to read skin file!"}, windows->errors);
  EXPECT_EQ(std::nullopt, StoredSkin());
  EXPECT_FALSE(Engine(*windows).Ready());
  EXPECT_FALSE(Engine(*windows).FindSkinWindow(windows->main->Handle())->FrameOn());
  // The windows work on, and another skin can be chosen.
  Choose(*windows, 10);
  EXPECT_TRUE(Engine(*windows).Ready());
  EXPECT_EQ("10", StoredSkin());
}

TEST_F(SkinSelectionTest, AnUnreadableStoredSkinEndsTheFirstShowingsSteps) {
  InstallSkins({"Silver"});
  WriteFile(SkinPath("MacOS"), "SK damaged");
  installation.WriteConfig("[skin]\r\nskin=6\r\n[setting]\r\noutputFolder=D:\\Videos\r\n");
  installation.InstallFakeEncoderCarrier();
  auto windows = Start();
  EXPECT_EQ(std::vector<std::string>{"Failed to read skin file!"}, windows->errors);
  EXPECT_EQ("C:\\", windows->main->editOutputFolder->Text());
  EXPECT_FALSE(FileExists(installation.EncoderPath()));
  EXPECT_FALSE(Engine(*windows).Ready());
}

}  // namespace
}  // namespace app_test
