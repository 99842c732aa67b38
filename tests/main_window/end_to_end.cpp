// Converts video files through the main window with the real encoder, as a
// user would: the files dropped on the window, the output folder set, Convert
// clicked, the closing question answered No. Fails when an error was
// reported, when the finish message names failed files, or when the
// progress bar never moved. The outputs are checked by the calling script.
//
// With stop, close or kill instead of convert, it converts one file over an
// earlier output of its name and, once the bar has moved, stops the run,
// closes the window, or stops the run with no time for the encoder to end
// on its own, so that it is ended by force. The script then checks the
// output folder.
//
// Arguments are read as Unicode. When VEXMOOR_EXPECT_ACP is set, the
// system's ANSI code page must be that one.
// Usage: main_window_end_to_end convert|stop|close|kill <encoder folder\> <output folder>
//                               <video>...
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/common_form.h"
#include "app/main_form.h"
#include "app/overwrite_form.h"
#include "tests/support/message_box_log.h"
#include "tests/support/test_folder.h"
#include "tests/support/dropped_files.h"
#include "ui/application.h"
#include "win/code_page.h"
#include "win/system_folders.h"

namespace {

int Fail(const std::string& why) {
  std::fprintf(stderr, "FAIL: %s\n", why.c_str());
  return 1;
}

std::vector<std::string> Arguments() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> utf8;
  for (int index = 0; index < count; ++index) {
    utf8.push_back(win::WideToUtf8(arguments[index]));
  }
  LocalFree(arguments);
  return utf8;
}

// The videos dropped on the window as the shell drops them: wide names in
// a DROPFILES block, which the window frees.
void DropOn(HWND window, const std::vector<std::string>& paths) {
  SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(test_support::DroppedFiles(paths)),
               0);
}

}  // namespace

int main() {
  const std::vector<std::string> arguments = Arguments();
  if (arguments.size() < 5) {
    return Fail(
        "usage: main_window_end_to_end convert|stop|close|kill <encoder folder\\> "
        "<output folder> <video>...");
  }
  const std::string mode = arguments[1];
  if (const char* codePage = std::getenv("VEXMOOR_EXPECT_ACP")) {
    if (GetACP() != std::strtoul(codePage, nullptr, 10)) {
      return Fail("the ANSI code page is " + std::to_string(GetACP()) + ", not " + codePage);
    }
  }
  ui::Application().Initialize();
  std::vector<std::string> errors;
  ui::Application().SetOnException([&](const std::string& text) { errors.push_back(text); });

  const std::string temp = win::TempFolder();
  const test_support::TestFolder applicationFolder;
  app::TfrmCommon common(applicationFolder.Path() + "vexmoor.exe");
  common.DoCreate();
  app::TfrmMain form(conversion::CommandLineFolders{arguments[2], temp});
  form.DoCreate();
  app::TfrmOverWrite prompt;
  prompt.DoCreate();
  form.SetOverwriteForm(&prompt);
  form.msgFolderView = "All done.";
  form.msgFinishInfo = "Open the output folder?";
  form.Show();
  form.editOutputFolder->SetText(arguments[3]);
  DropOn(form.Handle(), std::vector<std::string>(arguments.begin() + 4, arguments.end()));
  if (form.listViewFiles->ItemCount() != static_cast<int>(arguments.size() - 4)) {
    return Fail("the job list refused a video");
  }
  if (mode == "kill") {
    form.ConsoleIO->SetWaitTimeout(0);
  }

  // Every position the bar is given passes through its window-procedure
  // chain; sampling it instead would miss short files, whose bar drops back
  // to 0 when the encoder ends. A run to be ended is ended once, from the
  // message loop, when the bar has first moved.
  int highestProgress = 0;
  ui::TWndMethod barProc = form.progressBarCurrent->WindowProc();
  form.progressBarCurrent->SetWindowProc([&](ui::TMessage& message) {
    if (message.Msg == PBM_SETPOS) {
      if (highestProgress == 0 && message.WParam > 0 && mode != "convert") {
        if (mode == "close") {
          PostMessageW(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
          PostMessageW(form.buttonConvert->Handle(), BM_CLICK, 0, 0);
        }
      }
      highestProgress = std::max(highestProgress, static_cast<int>(message.WParam));
    }
    barProc(message);
  });
  test_support::RepeatingTimer overwrite([&] {
    if (IsWindowVisible(prompt.Handle())) {
      PostMessageW(prompt.buttonOverWrite->Handle(), BM_CLICK, 0, 0);
    }
    return false;
  });
  test_support::MessageBoxLog boxes(IDNO);
  SendMessageW(form.buttonConvert->Handle(), BM_CLICK, 0, 0);

  for (const std::string& error : errors) {
    Fail("reported: " + error);
  }
  if (!errors.empty()) {
    return 1;
  }
  if (highestProgress == 0) {
    return Fail("the progress bar never moved");
  }
  // A stop in the last entry still ends with the finish message, which does
  // not name the stopped file; a closed window asks nothing.
  const std::string finish = form.msgFolderView + "\r\n\r\n" + form.msgFinishInfo;
  const std::vector<std::string> expected =
      mode == "close" ? std::vector<std::string>{} : std::vector<std::string>{finish};
  if (boxes.Texts() != expected) {
    return Fail("finish message: " + (boxes.Texts().empty() ? "none" : boxes.Texts().front()));
  }
  if (mode != "convert") {
    std::printf("%s: the run ended at %d%%\n", mode.c_str(), highestProgress);
  } else {
    std::printf("converted %d files; the progress bar went up to %d\n",
                static_cast<int>(arguments.size() - 4), highestProgress);
  }
  return 0;
}
