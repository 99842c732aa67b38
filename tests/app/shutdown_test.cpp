// Closing the main window while a file converts: the encoder is stopped,
// no further file is started, the AviSynth script goes and the program
// ends. Closing ends the message loop for good, so this is a program of
// its own.
#include <gtest/gtest.h>

#include <windows.h>

#include <tlhelp32.h>

#include <sstream>

#include "app/main_form.h"
#include "app/program.h"
#include "tests/app/program_fixture.h"
#include "tests/support/message_box_log.h"
#include "tests/support/window_driver.h"
#include "ui/application.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace app_test {
namespace {

// The encoders this process has started that still run.
int RunningEncoders() {
  const win::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
       more = Process32NextW(snapshot.Get(), &entry)) {
    if (entry.th32ParentProcessID == GetCurrentProcessId() &&
        _wcsicmp(entry.szExeFile, L"libm9s.exe") == 0) {
      ++count;
    }
  }
  return count;
}

TEST(ShutdownTest, ClosingDuringAConversionStopsTheEncoderAndRemovesTheScript) {
  const ScratchInstallation installation;
  installation.Install({"language\\en.ini", "splash-en.bmp"});
  installation.InstallFakeEncoderCarrier();
  const std::string encoderLog = installation.TempFolder() + "encoder.log";
  SetEnvironmentVariableW(L"VEXMOOR_FAKE_ENCODER_LOG", win::Utf8ToWide(encoderLog).c_str());
  const std::string script = installation.TempFolder() + "m9s.avs";
  // The Matroska file goes through the script, which the fake encoder
  // cannot read: it fails at once. The second file waits for its stop.
  const std::string inputs[] = {"holiday.mkv", "waiting.avi", "third.avi"};
  WriteFile(installation.TempFolder() + inputs[0], "Matroska\n");
  WriteFile(installation.TempFolder() + inputs[1], "wait\n");
  WriteFile(installation.TempFolder() + inputs[2], "ok\n");
  test_support::MessageBoxLog boxes(IDNO);

  std::vector<std::string> errors;
  ui::Application().SetOnException([&](const std::string& text) { errors.push_back(text); });
  enum class Step { kStart, kConverting, kClosing } step = Step::kStart;
  bool scriptWhileConverting = false;
  int encodersWhileConverting = 0;
  test_support::RepeatingTimer driver([&] {
    HWND window = test_support::FindThreadWindow(L"TfrmMain");
    if (!window) {
      return false;
    }
    auto& main = dynamic_cast<app::TfrmMain&>(*ui::TControl::FromHandle(window));
    if (step == Step::kStart) {
      main.editOutputFolder->SetText(installation.TempFolder());
      for (const std::string& input : inputs) {
        main.AddFile(installation.TempFolder() + input);
      }
      PostMessageW(main.buttonConvert->Handle(), BM_CLICK, 0, 0);
      step = Step::kConverting;
      return false;
    }
    // The fake encoder waits for its stop line at frame 10 of 20.
    const std::string status = main.labelCurrentInfo->Caption();
    if (status.size() < 7 || status.compare(status.size() - 7, 7, "[10/20]") != 0) {
      return false;
    }
    scriptWhileConverting = FileExists(script);
    encodersWhileConverting = RunningEncoders();
    PostMessageW(window, WM_CLOSE, 0, 0);
    step = Step::kClosing;
    return true;
  });

  EXPECT_EQ(0, app::RunProgram(installation.Folders()));
  ui::Application().SetOnException(nullptr);

  EXPECT_EQ(Step::kClosing, step);
  EXPECT_TRUE(scriptWhileConverting);
  EXPECT_EQ(1, encodersWhileConverting);
  EXPECT_EQ(0, RunningEncoders());
  EXPECT_FALSE(FileExists(script));
  std::istringstream starts(ReadFile(encoderLog));
  int started = 0;
  for (std::string line; std::getline(starts, line);) {
    ++started;
  }
  EXPECT_EQ(2, started) << "the third file must not have been started";
  EXPECT_FALSE(FileExists(installation.TempFolder() + "third.3gp"));
  EXPECT_TRUE(boxes.Texts().empty()) << "no finish message after closing";
  EXPECT_TRUE(errors.empty()) << errors.front();
}

}  // namespace
}  // namespace app_test
