#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/overwrite_form.h"
#include "skinning/frames/skin_window_form.h"
#include "tests/skin/shipped_skin_names.h"
#include "tests/skinning/skinned_form_fixture.h"
#include "tests/support/window_driver.h"
#include "ui/application.h"
#include "win/system_folders.h"

namespace skinning_test {
namespace {

// The program's main window and overwrite prompt as the program makes
// them, the main window the application's main form.
class MainWindowSkinsTest : public testing::Test {
 protected:
  void SetUp() override {
    ui::Application().Initialize();
    ui::Application().SetOnException([this](const std::string& text) { errors.push_back(text); });
    mainForm = ui::CreateForm<app::TfrmMain>(
        conversion::CommandLineFolders{win::SystemFolder(), win::TempFolder()});
    prompt = ui::CreateForm<app::TfrmOverWrite>();
    mainForm->SetOverwriteForm(prompt.get());
    // The steps of start-up at the first showing need the program's common
    // form and folder; these tests show the windows for their frames only.
    mainForm->OnShow = nullptr;
  }
  void TearDown() override {
    prompt.reset();
    mainForm.reset();
    ui::Application().SetMainForm(nullptr);
    EXPECT_TRUE(errors.empty()) << errors.front();
    ui::Application().SetOnException(nullptr);
  }

  skinning::TvxSkinEngine& Engine() { return *mainForm->vxSkinEngine; }

  std::unique_ptr<app::TfrmMain> mainForm;
  std::unique_ptr<app::TfrmOverWrite> prompt;
  std::vector<std::string> errors;
};

TEST_F(MainWindowSkinsTest, EveryShippedSkinFramesTheWindowsAroundTheirOwnClientAreas) {
  const int clientWidth = mainForm->ClientWidth();
  const int clientHeight = mainForm->ClientHeight();
  const int promptWidth = prompt->ClientWidth();
  const int promptHeight = prompt->ClientHeight();
  const ui::TBounds list = mainForm->listViewFiles->Bounds();
  mainForm->Show();
  Pump(50);
  ASSERT_NE(nullptr, Engine().FindSkinWindow(prompt->Handle()));  // all forms at first show

  for (const char* name : skin_test::kShippedSkinNames) {
    SCOPED_TRACE(name);
    Engine().SetSkinFile(ShippedSkinPath(name));
    ASSERT_TRUE(Engine().Ready());
    auto& skinned =
        static_cast<skinning::TvxSkinWindowVCL&>(*Engine().FindSkinWindow(mainForm->Handle()));
    ASSERT_TRUE(skinned.FrameOn());
    const int menuBar = skinned.MenuBarHeight();
    EXPECT_GT(menuBar, 0);
    EXPECT_EQ(clientWidth, mainForm->ClientWidth());
    EXPECT_EQ(clientHeight + menuBar, mainForm->ClientHeight());
    EXPECT_EQ(list.top + menuBar, mainForm->listViewFiles->Bounds().top);
    const skinning::SkinMetrics& metrics = Engine().Metrics();
    const POINT origin = ClientOrigin(mainForm->Handle());
    EXPECT_EQ(metrics.PaddedLeft(), origin.x);
    EXPECT_GE(origin.y, metrics.titleHeight);
    EXPECT_EQ(L"Vexmoor", skinned.DrawnCaption());
    EXPECT_TRUE(skinned.DrawnButtons().close);
    EXPECT_TRUE(skinned.DrawnButtons().minimize);
    EXPECT_FALSE(skinned.DrawnButtons().maximize);
    // The prompt has no menu: its client area keeps its size exactly.
    EXPECT_TRUE(Engine().FindSkinWindow(prompt->Handle())->FrameOn());
    EXPECT_EQ(promptWidth, prompt->ClientWidth());
    EXPECT_EQ(promptHeight, prompt->ClientHeight());
  }
}

TEST_F(MainWindowSkinsTest, OverwritePromptShowsSkinnedAndAnswers) {
  mainForm->Show();
  Pump(50);
  Engine().SetSkinFile(ShippedSkinPath("Silver"));
  bool skinned = false;
  test_support::WindowAnswerer answer(L"TfrmOverWrite", [&](HWND window) {
    skinned = Engine().FindSkinWindow(window)->FrameOn() &&
              (GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU) == 0;
    PostMessageW(prompt->buttonIgnore->Handle(), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(conversion::OverwriteChoice::IgnoreThis, prompt->Ask());
  EXPECT_TRUE(skinned);
}

}  // namespace
}  // namespace skinning_test
