#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "joblist/job_entry.h"
#include "win/window_class.h"

namespace app {

// The job list kept on the disk between sessions (joblist/job_list_file.h),
// so that the next start shows it as it was, after a crash too. A change is
// written soon and in one step (a write cut short leaves the file as it
// was), yet never more than once per interval: the first change after a
// quiet interval is written at once, and what changes during the interval
// that follows a write is written together when it ends. The timer runs on
// the creating thread, whose message loop (the run's nested one included)
// serves it. The interval grows with what a write costs, so that keeping
// a long list takes at most a tenth of that thread's time: the window's
// list hands its entries over one by one, about 35 microseconds each
// under Wine, and 20,000 entries took 0.6 to 2.4 s a write.
//
// A write that fails is not reported: the list on the screen and the run
// go on as they were, and the next change, or the end of the session,
// tries again. A message in the middle of a run would hold the run up for
// a file the user can do nothing about then.
class JobListStore final : private win::WindowObject {
 public:
  using EntriesSource = std::function<std::vector<joblist::JobEntry>()>;
  static constexpr UINT kWriteIntervalMs = 250;

  // Keeps the list in the file at `path` (UTF-8; empty: nowhere), asking
  // `entries` for the whole list whenever a write is due.
  JobListStore(std::string path, EntriesSource entries);
  ~JobListStore();

  // "%LOCALAPPDATA%\Vexmoor\joblist.txt": a user's own, writable also
  // where the program's folder is not. Empty when the system names no
  // such folder.
  static std::string DefaultPath();

  // The list as the file keeps it, empty when there is none or it cannot
  // be read; what a write ended by force left beside the file goes.
  std::vector<joblist::JobEntry> Load();
  // The list or an entry's status has changed.
  void Changed();
  // Writes the list now when it differs from the file's; the session ends.
  void Flush();
  // Whether an interval runs: a change now waits for its end.
  bool InInterval() const { return intervalRunning_; }
  // The file's writes so far, whether they succeeded or not.
  int WritesMade() const { return writes_; }

 private:
  LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  void StartInterval();
  void StopInterval();
  // Writes, and lengthens or shortens the interval by what that cost.
  void Write();
  void WriteList();

  std::string path_;
  EntriesSource entries_;
  HWND window_;
  UINT intervalMs_ = kWriteIntervalMs;
  bool intervalRunning_ = false;
  bool changedInInterval_ = false;
  // What the file holds, as far as this session knows.
  std::string written_;
  int writes_ = 0;
};

}  // namespace app
