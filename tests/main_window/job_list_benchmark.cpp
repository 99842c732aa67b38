// Benchmark, not a test. The job list of the main window with 10,000
// entries against one of 10: adding every entry, removing, moving up and
// moving down an entry in the middle and at the end, and converting with
// the fake encoder (the time from Convert to the first encoder's start, and
// per entry over the first 50 entries, after which the run is stopped).
// Each action is timed through the window's own commands; the figures of
// the long list are printed beside those of the short one, as a ratio.
// Usage: main_window_job_list_bench <fake encoder folder\> <work folder\>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/common_form.h"
#include "app/job_list_batch.h"
#include "app/main_form.h"
#include "tests/support/message_box_log.h"
#include "tests/support/wall_clock.h"
#include "ui/application.h"
#include "win/code_page.h"
#include "win/system_folders.h"

namespace {

template <typename Action>
double Timed(Action action) {
  const double start = test_support::WallMilliseconds();
  action();
  return test_support::WallMilliseconds() - start;
}

struct Figures {
  double addAllMs, removeMiddleMs, moveUpMiddleMs, moveDownMiddleMs, moveUpLastMs, firstStartMs,
      perEntryMs;
};

Figures Measure(const std::string& encoderFolder, const std::string& work, int entries) {
  const std::string temp = win::TempFolder();
  app::TfrmCommon common(work + "vexmoor.exe");
  common.DoCreate();
  app::TfrmMain form(conversion::CommandLineFolders{encoderFolder, temp});
  form.DoCreate();
  form.msgFolderView = "All done.";
  form.Show();
  form.editOutputFolder->SetText(work + "out");
  // The converted entries have outputs of their own, so nothing asks to
  // overwrite.
  constexpr int kTimedEntries = 50;
  auto input = [&](int entry) {
    return work + "in" + std::to_string(std::min(entry, kTimedEntries + 1)) + ".avi";
  };
  for (int entry = 0; entry <= kTimedEntries + 1; ++entry) {
    std::ofstream(input(entry)) << "ok\n";
  }

  Figures figures{};
  figures.addAllMs = Timed([&] {
    app::JobListBatch batch(form, *form.listViewFiles);  // as a drop or the open dialog adds
    for (int entry = 0; entry < entries; ++entry) {
      form.AddFile(input(entry));
      batch.ShowGrowth();
    }
  });
  std::fprintf(stderr, "%d entries added in %.0f ms\n", entries, figures.addAllMs);
  auto select = [&](int index) { form.listViewFiles->Item(index).SetSelected(true); };
  const int middle = entries / 2;
  select(middle);
  figures.removeMiddleMs = Timed([&] { form.ActionFileDelete->Execute(); });
  select(middle);
  figures.moveUpMiddleMs = Timed([&] { form.ActionFileMoveUp->Execute(); });
  figures.moveDownMiddleMs = Timed([&] { form.ActionFileMoveDown->Execute(); });
  select(form.listViewFiles->ItemCount() - 1);
  figures.moveUpLastMs = Timed([&] { form.ActionFileMoveUp->Execute(); });

  std::fprintf(stderr, "removed and moved\n");
  // Converting: the first encoder's start, then the entries' pace.
  double clicked = 0, firstStart = 0, lastStart = 0;
  int starts = 0;
  form.ConsoleIO->SetOnProcessStatusChange([&, original = form.ConsoleIO->OnProcessStatusChange()](
                                               console::TConsoleIO* sender, bool running) {
    original(sender, running);
    if (!running) {
      return;
    }
    lastStart = test_support::WallMilliseconds();
    if (++starts == 1) {
      firstStart = lastStart;
    }
    if (starts == kTimedEntries + 1) {
      PostMessageW(form.buttonConvert->Handle(), BM_CLICK, 0, 0);
    }
  });
  test_support::MessageBoxLog boxes(IDNO);
  clicked = test_support::WallMilliseconds();
  SendMessageW(form.buttonConvert->Handle(), BM_CLICK, 0, 0);
  const int timed = std::min(starts, kTimedEntries + 1) - 1;
  figures.firstStartMs = firstStart - clicked;
  figures.perEntryMs = timed > 0 ? (lastStart - firstStart) / timed : 0;
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr,
                 "usage: main_window_job_list_bench <fake encoder folder\\> <work folder\\>\n");
    return 2;
  }
  ui::Application().Initialize();
  SetEnvironmentVariableW(L"VEXMOOR_FAKE_ENCODER_LOG",
                          win::Utf8ToWide(std::string(argv[2]) + "encoder.log").c_str());
  CreateDirectoryW(win::Utf8ToWide(std::string(argv[2]) + "out").c_str(), nullptr);
  const Figures shortList = Measure(argv[1], argv[2], 10);
  const Figures longList = Measure(argv[1], argv[2], 10000);
  const struct {
    const char* label;
    double Figures::*field;
  } rows[] = {{"add every entry at once (drop, open dialog)", &Figures::addAllMs},
              {"remove the middle entry", &Figures::removeMiddleMs},
              {"move the middle entry up", &Figures::moveUpMiddleMs},
              {"move the middle entry down", &Figures::moveDownMiddleMs},
              {"move the last entry up", &Figures::moveUpLastMs},
              {"Convert to the first encoder's start", &Figures::firstStartMs},
              {"per entry converted (fake encoder)", &Figures::perEntryMs}};
  std::printf("%-45s %12s %12s %8s\n", "action", "10 entries", "10,000", "ratio");
  for (const auto& row : rows) {
    const double a = shortList.*row.field, b = longList.*row.field;
    std::printf("%-45s %9.2f ms %9.2f ms %8.2f\n", row.label, a, b, a > 0 ? b / a : 0);
  }
  return 0;
}
