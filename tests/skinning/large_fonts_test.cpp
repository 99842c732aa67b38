// The skinned frames and painters with large fonts. Wine, like Windows XP
// and Windows 7 with XP-style scaling, gives every program the screen's
// setting; the test runs itself at 120 and 144 dots per inch, each in a
// process started with that setting, for a process keeps the one it
// started with.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "skinning/engine/control_painters.h"
#include "tests/skinning/skinned_form_fixture.h"
#include "ui/graphics.h"
#include "tests/support/window_driver.h"
#include "ui/dialogs.h"
#include "win/child_process.h"
#include "win/gdi.h"

namespace skinning_test {
namespace {

constexpr char kDpiVariable[] = "VEXMOOR_LARGE_FONTS_DPI";

// The screen's setting as the system keeps it for the user, for the
// processes started while the object lives; the one before comes back.
class ScreenSetting {
 public:
  explicit ScreenSetting(DWORD dpi) {
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr);
    DWORD size = sizeof before_;
    had_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&before_),
                            &size) == ERROR_SUCCESS;
    Set(dpi);
  }
  ~ScreenSetting() {
    if (had_) {
      Set(before_);
    } else {
      RegDeleteValueW(key_, L"LogPixels");
    }
    RegCloseKey(key_);
  }
  ScreenSetting(const ScreenSetting&) = delete;
  ScreenSetting& operator=(const ScreenSetting&) = delete;

 private:
  void Set(DWORD dpi) {
    RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                   sizeof dpi);
  }
  HKEY key_ = nullptr;
  DWORD before_ = 0;
  bool had_ = false;
};

std::string ReadToEnd(HANDLE pipe) {
  std::string bytes;
  char buffer[512];
  DWORD count = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &count, nullptr) && count > 0) {
    bytes.append(buffer, count);
  }
  return bytes;
}

// Runs the checks below in a process of their own at that setting; its
// exit code and what it printed.
std::pair<DWORD, std::string> RunAt(DWORD dpi) {
  const ScreenSetting setting(dpi);
  SetEnvironmentVariableA(kDpiVariable, std::to_string(dpi).c_str());
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  win::ChildStreams streams = win::CreateChildStreams();
  win::ChildStart start;
  start.commandLine =
      L"\"" + std::wstring(program) + L"\" --gtest_filter=LargeFontsTest.* --gtest_brief=1";
  const win::ChildProcess child = win::StartChild(start, streams);
  SetEnvironmentVariableA(kDpiVariable, nullptr);
  streams.input.childs.Reset();
  streams.output.childs.Reset();
  streams.error.childs.Reset();
  streams.input.ours.Reset();
  std::string output = ReadToEnd(streams.output.ours.Get());
  output += ReadToEnd(streams.error.ours.Get());
  WaitForSingleObject(child.process.Get(), 60000);
  DWORD code = 1;
  GetExitCodeProcess(child.process.Get(), &code);
  return {code, output};
}

TEST(LargeFonts, TheSkinnedPartsFitAt120And144DotsPerInch) {
  if (std::getenv(kDpiVariable)) {
    GTEST_SKIP() << "the process started at one setting";
  }
  for (DWORD dpi : {120u, 144u}) {
    const auto [code, output] = RunAt(dpi);
    EXPECT_EQ(0u, code) << dpi << " dots per inch:\n" << output;
  }
}

class LargeFontsTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    if (!std::getenv(kDpiVariable)) {
      GTEST_SKIP() << "run by LargeFonts at each setting";
    }
    SkinnedFormTest::SetUp();
  }
};

// The title bar is the skin's, with no band of the form colour under it;
// the caption keeps the middle the skin gave it; the check box shows the
// skin's box and nothing of the system's larger one.
TEST_F(LargeFontsTest, FramesAndCheckBoxesAtTheScreensSetting) {
  ASSERT_EQ(std::atoi(std::getenv(kDpiVariable)), ui::ScreenDpi());
  auto* checkBox = new ui::TCheckBox(form.get(), {{100, 10, 120, 30}, "Check"});
  LoadTestSkin("plain.ssk");
  Pump(50);

  EXPECT_EQ(kTitleHeight, ClientOrigin(form->Handle()).y) << "the form";
  POINT boxOrigin{};
  test_support::WindowAnswerer answerer(L"#32770", [&](HWND box) {
    boxOrigin = ClientOrigin(box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  ui::ShowMessageBox(form.get(), "Large fonts", MB_OK);
  EXPECT_EQ(kTitleHeight, boxOrigin.y) << "a message box";

  // The caption's ink, in the title font's colour, centred where the skin
  // centres the caption at 96 dots per inch.
  Skinned().PaintFrame();
  const skinning::DibBuffer& frame = Skinned().FrameBuffer();
  int inkTop = kTitleHeight;
  int inkBottom = -1;
  for (int y = 0; y < kTitleHeight; ++y) {
    for (int x = kIconX + 18; x < kIconX + 60; ++x) {
      if (frame.Pixel(x, y) == kTitleFontColor) {
        inkTop = std::min(inkTop, y);
        inkBottom = std::max(inkBottom, y);
      }
    }
  }
  ASSERT_GE(inkBottom, inkTop);
  TEXTMETRICW text{};
  {
    win::MemoryDC dc(nullptr);
    win::SelectedObject font(dc.Get(), Engine().CaptionFont());
    GetTextMetricsW(dc.Get(), &text);
  }
  const double designMiddle = kCaptionTop + ui::ToDesignPixels(text.tmHeight) / 2.0;
  EXPECT_NEAR(designMiddle, (inkTop + inkBottom) / 2.0, 2.0) << "the caption's middle";

  // Where the system draws its box, as large as it draws it.
  const std::unique_ptr<skinning::TvxSkinControl> painter =
      skinning::MakeControlPainter(Skinned(), *checkBox);
  ASSERT_TRUE(painter);
  painter->Refresh();
  PaintNow(checkBox->Handle());
  const int system = ui::ToScreenPixels(13);
  const int top = (checkBox->Height() - system) / 2;
  std::set<image::ColorRef> shown;
  for (int y = top; y < top + system; ++y) {
    for (int x = 0; x < system; ++x) {
      shown.insert(painter->Picture().Pixel(x, y));
    }
  }
  const std::set<image::ColorRef> skinOnly{kFormColor, CheckBoxFrameColor(3)};
  EXPECT_EQ(skinOnly, shown) << "the system's box shows around the skin's";
}

}  // namespace
}  // namespace skinning_test
