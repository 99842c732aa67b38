// Converts video files through the main window with the real encoder, as a
// user would: the files in the job list, the output folder set, Convert
// clicked, the closing question answered No. Fails when an error was
// reported, when the finish message names failed files, or when the
// progress bar never moved. The outputs are checked by the calling script.
// Usage: main_window_end_to_end <encoder folder\> <output folder> <video>...
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/common_form.h"
#include "app/main_form.h"
#include "tests/support/message_box_log.h"
#include "tests/support/test_folder.h"
#include "ui/application.h"

namespace {

int Fail(const std::string& why) {
  std::fprintf(stderr, "FAIL: %s\n", why.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4)
    return Fail("usage: main_window_end_to_end <encoder folder\\> <output folder> <video>...");
  ui::Application().Initialize();
  std::vector<std::string> errors;
  ui::Application().SetOnException([&](const std::string& text) { errors.push_back(text); });

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const test_support::TestFolder applicationFolder;
  app::TfrmCommon common(applicationFolder.Path() + "vexmoor.exe");
  common.DoCreate();
  app::TfrmMain form(conversion::CommandLineFolders{argv[1], temp});
  form.DoCreate();
  form.msgFolderView = "All done.";
  form.msgFinishInfo = "Open the output folder?";
  form.Show();
  form.editOutputFolder->SetText(argv[2]);
  for (int index = 3; index < argc; ++index)
    form.AddFile(argv[index]);
  if (form.listViewFiles->ItemCount() != argc - 3)
    return Fail("the job list refused a video");

  // Every position the bar is given passes through its window-procedure
  // chain; sampling it instead would miss short files, whose bar drops back
  // to 0 when the encoder ends.
  int highestProgress = 0;
  ui::TWndMethod barProc = form.progressBarCurrent->WindowProc();
  form.progressBarCurrent->SetWindowProc([&](ui::TMessage& message) {
    if (message.Msg == PBM_SETPOS)
      highestProgress = std::max(highestProgress, static_cast<int>(message.WParam));
    barProc(message);
  });
  test_support::MessageBoxLog boxes(IDNO);
  SendMessageW(form.buttonConvert->Handle(), BM_CLICK, 0, 0);

  for (const std::string& error : errors)
    Fail("reported: " + error);
  if (!errors.empty())
    return 1;
  const std::string expected = form.msgFolderView + "\r\n\r\n" + form.msgFinishInfo;
  if (boxes.Texts() != std::vector<std::string>{expected})
    return Fail("finish message: " + (boxes.Texts().empty() ? "none" : boxes.Texts().front()));
  if (highestProgress == 0)
    return Fail("the progress bar never moved");
  std::printf("converted %d files; the progress bar went up to %d\n", argc - 3, highestProgress);
  return 0;
}
