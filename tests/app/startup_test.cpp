// The whole start of the program on a first run: the splash, then the main
// window in English with its output folder written and the encoder
// installed. The splash's time on the screen is measured, so this test is
// labelled "timing".
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <optional>

#include "app/main_form.h"
#include "app/program.h"
#include "image/bitmap.h"
#include "image/bmp_decoder.h"
#include "settings/ini_file.h"
#include "tests/app/program_fixture.h"
#include "tests/support/window_driver.h"
#include "ui/application.h"
#include "win/gdi.h"

namespace app_test {
namespace {

constexpr image::ColorRef kSeeThrough = 0x808080;

struct SplashWatch {
  DWORD firstSeen = 0;
  DWORD lastSeen = 0;
  RECT rect{};
  // Screen colours where the picture is see-through and where it is not.
  std::optional<COLORREF> underSeeThrough;
  std::optional<COLORREF> underPicture;
  bool visibleWhenMainWindowMade = false;
};

struct Point {
  int x = -1, y = -1;
};

Point FirstPixel(const image::Bitmap& picture, bool seeThrough) {
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if ((picture.Pixel(x, y) == kSeeThrough) == seeThrough) {
        return {x, y};
      }
    }
  }
  return {};
}

// The last of several pixels with the same colour, away from any edge.
Point SolidPixel(const image::Bitmap& picture) {
  Point found;
  for (int y = 1; y + 1 < picture.Height(); ++y) {
    for (int x = 1; x + 1 < picture.Width(); ++x) {
      const image::ColorRef color = picture.Pixel(x, y);
      if (color != kSeeThrough && picture.Pixel(x - 1, y) == color &&
          picture.Pixel(x + 1, y) == color && picture.Pixel(x, y - 1) == color &&
          picture.Pixel(x, y + 1) == color) {
        found = {x, y};
      }
    }
  }
  return found;
}

// From a folder named outside every code page: the splash picture, the
// texts and the encoder's carrier are found there by their wide names.
TEST(StartupTest, FirstStartShowsTheSplashThenTheMainWindowInEnglish) {
  const ScratchInstallation installation(kUnicodeFolderName);
  installation.Install({"language\\en.ini", "language\\gb.ini", "splash-en.bmp", "splash-gb.bmp"});
  const std::string encoder = installation.InstallFakeEncoderCarrier();
  const std::string pictureBytes = ReadFile(installation.AppFolder() + "splash-en.bmp");
  const image::Bitmap picture = image::DecodeBmp(
      reinterpret_cast<const std::uint8_t*>(pictureBytes.data()), pictureBytes.size());
  const Point seeThrough = FirstPixel(picture, true);
  const Point solid = SolidPixel(picture);
  ASSERT_GE(seeThrough.x, 0);
  ASSERT_GE(solid.x, 0);

  std::vector<std::string> errors;
  ui::Application().SetOnException([&](const std::string& text) { errors.push_back(text); });
  SplashWatch splash;
  const DWORD start = GetTickCount();
  test_support::CbtHook hook([&](int code, WPARAM wParam, LPARAM) {
    if (code == HCBT_CREATEWND &&
        test_support::ClassName(reinterpret_cast<HWND>(wParam)) == L"TfrmMain") {
      if (HWND window = FindWindowW(L"TfrmSplash", nullptr)) {
        splash.visibleWhenMainWindowMade = IsWindowVisible(window) != FALSE;
      }
    }
  });
  struct Shown {
    std::string caption, folder, addCaption, status;
  };
  std::optional<Shown> shown;
  test_support::RepeatingTimer watch([&] {
    if (HWND window = test_support::FindThreadWindow(L"TfrmSplash")) {
      const DWORD now = GetTickCount() - start;
      if (!splash.firstSeen) {
        splash.firstSeen = now;
      }
      splash.lastSeen = now;
      GetWindowRect(window, &splash.rect);
      // Once it has had time to paint, what the screen shows there.
      if (now - splash.firstSeen > 300 && !splash.underPicture) {
        const win::ClientDC screen(nullptr);
        splash.underSeeThrough =
            GetPixel(screen.Get(), splash.rect.left + seeThrough.x, splash.rect.top + seeThrough.y);
        splash.underPicture =
            GetPixel(screen.Get(), splash.rect.left + solid.x, splash.rect.top + solid.y);
      }
    }
    HWND mainWindow = test_support::FindThreadWindow(L"TfrmMain");
    if (!mainWindow) {
      return false;
    }
    auto& main = dynamic_cast<app::TfrmMain&>(*ui::TControl::FromHandle(mainWindow));
    shown = Shown{main.Caption(), main.editOutputFolder->Text(), main.buttonAdd->Caption(),
                  main.labelCurrentInfo->Caption()};
    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    return true;
  });

  EXPECT_EQ(0, app::RunProgram(installation.Folders()));
  ui::Application().SetOnException(nullptr);

  const DWORD onScreen = splash.lastSeen - splash.firstSeen;
  std::printf("The splash was on the screen for about %lu ms\n", onScreen);
  EXPECT_GE(onScreen, 1500u);  // two fades of 1000 ms; sampled every 20 ms
  EXPECT_LE(onScreen, 10000u);
  EXPECT_EQ(312, splash.rect.left);
  EXPECT_EQ(233, splash.rect.top);
  EXPECT_EQ(420, splash.rect.right - splash.rect.left);
  EXPECT_EQ(300, splash.rect.bottom - splash.rect.top);
  ASSERT_TRUE(splash.underPicture);
  EXPECT_EQ(picture.Pixel(solid.x, solid.y), *splash.underPicture);
  EXPECT_NE(kSeeThrough, *splash.underSeeThrough);
  EXPECT_FALSE(splash.visibleWhenMainWindowMade);

  ASSERT_TRUE(shown);
  EXPECT_EQ("Vexmoor", shown->caption);
  EXPECT_EQ("&Add...", shown->addCaption);
  EXPECT_EQ("Ready", shown->status);
  EXPECT_EQ("c:\\", shown->folder);
  EXPECT_EQ("c:\\",
            settings::IniFile(installation.ConfigFile()).ReadValue("setting", "outputFolder"));
  EXPECT_EQ(encoder, ReadFile(installation.EncoderPath()));
  EXPECT_TRUE(errors.empty()) << errors.front();
}

}  // namespace
}  // namespace app_test
