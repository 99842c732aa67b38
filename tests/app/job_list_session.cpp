// One session of the program for the kept job list's tests, in a process
// of its own, so that a test can end it by force, as a crash would, and
// start it again. The program keeps its list where %LOCALAPPDATA% says.
//
// Usage: app_job_list_session SCENARIO ROOT
// ROOT holds the installation (app\, system\, temp\), script.txt with
// entries in the kept list's format, and out\, the output folder.
//   fill     adds the script's files and sets their statuses, then closes
//            at once, before the list's next write is due
//   convert  adds the script's files and converts them into out\; waits
//            there until it is ended
//   report   writes the list as it shows it into report.txt, then closes
//   rerun    converts the list into out\, answering No to the finish
//            message, writes the list into report-after.txt and closes
//   show     does nothing and stays until it is closed, for a look
// What reaches the program's exception report goes into errors.txt.
#include <windows.h>

#include <shellapi.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/job_list_store.h"
#include "app/main_form.h"
#include "app/program.h"
#include "joblist/job_list_file.h"
#include "tests/support/message_box_log.h"
#include "tests/support/window_driver.h"
#include "ui/application.h"
#include "win/code_page.h"
#include "win/whole_file.h"

namespace {

std::vector<joblist::JobEntry> Script(const std::string& root) {
  return joblist::ParseJobListFile(win::ReadWholeFile(root + "script.txt").value_or(""));
}

void Report(app::TfrmMain& main, const std::string& file) {
  win::OverwriteWholeFile(file, joblist::FormatJobListFile(main.JobEntries()));
}

void AddScript(app::TfrmMain& main, const std::string& root, bool withStatuses) {
  const std::vector<joblist::JobEntry> entries = Script(root);
  for (size_t i = 0; i < entries.size(); ++i) {
    main.AddFile(entries[i].path);
    if (withStatuses) {
      main.SetEntryStatus(static_cast<int>(i), entries[i].status);
    }
  }
}

void Convert(app::TfrmMain& main, const std::string& root) {
  main.editOutputFolder->SetText(root + "out\\");
  PostMessageW(main.buttonConvert->Handle(), BM_CLICK, 0, 0);
}

// Runs once the main window shows; true when the scenario needs no more
// turns. Each step that waits for the program returns false.
class Scenario {
 public:
  Scenario(std::string name, std::string root) : name_(std::move(name)), root_(std::move(root)) {}

  bool Step(app::TfrmMain& main) {
    if (name_ == "fill") {
      AddScript(main, root_, true);
      PostMessageW(main.Handle(), WM_CLOSE, 0, 0);
    } else if (name_ == "convert") {
      AddScript(main, root_, false);
      Convert(main, root_);
    } else if (name_ == "report") {
      Report(main, root_ + "report.txt");
      PostMessageW(main.Handle(), WM_CLOSE, 0, 0);
    } else if (name_ == "rerun") {
      return Rerun(main);
    }
    return true;
  }

 private:
  bool Rerun(app::TfrmMain& main) {
    if (!started_) {
      Convert(main, root_);
      started_ = true;
      return false;
    }
    if (main.Converting() || boxes_.Texts().empty()) {
      return false;
    }
    Report(main, root_ + "report-after.txt");
    PostMessageW(main.Handle(), WM_CLOSE, 0, 0);
    return true;
  }

  std::string name_, root_;
  bool started_ = false;
  test_support::MessageBoxLog boxes_{IDNO};
};

}  // namespace

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count != 3) {
    return 2;
  }
  const std::string root = win::WideToUtf8(arguments[2]) + "\\";
  Scenario scenario(win::WideToUtf8(arguments[1]), root);
  ui::Application().SetOnException([&](const std::string& text) {
    std::ofstream(win::Utf8ToWide(root + "errors.txt").c_str(), std::ios::app) << text << "\n";
  });
  test_support::RepeatingTimer driver([&] {
    HWND window = test_support::FindThreadWindow(L"TfrmMain");
    return window && scenario.Step(dynamic_cast<app::TfrmMain&>(*ui::TControl::FromHandle(window)));
  });
  return app::RunProgram({root + "app\\vexmoor.exe",
                          {root + "system\\", root + "temp\\"},
                          app::JobListStore::DefaultPath()});
}
