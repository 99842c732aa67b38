#include "app/job_list_store.h"

#include <algorithm>

#include "base/path_text.h"
#include "joblist/job_list_file.h"
#include "win/code_page.h"
#include "win/os_error.h"
#include "win/system_folders.h"
#include "win/whole_file.h"

namespace app {

namespace {

constexpr char kWindowClass[] = "VexmoorJobListStore";
constexpr char kFolderName[] = "Vexmoor";
constexpr char kFileName[] = "joblist.txt";
constexpr UINT_PTR kIntervalTimer = 1;
// A write may take this share of the time, one part in so many.
constexpr DWORD kTimeShare = 10;

}  // namespace

JobListStore::JobListStore(std::string path, EntriesSource entries)
    : path_(std::move(path)), entries_(std::move(entries)) {
  window_ =
      CreateWindowExW(0, win::RegisterWindowClass(kWindowClass), L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                      nullptr, GetModuleHandleW(nullptr), static_cast<WindowObject*>(this));
  if (!window_) {
    win::RaiseLastOSError();
  }
}

JobListStore::~JobListStore() {
  DestroyWindow(window_);
}

std::string JobListStore::DefaultPath() {
  const std::string folder = win::LocalAppDataFolder();
  return folder.empty() ? folder : folder + kFolderName + "\\" + kFileName;
}

std::vector<joblist::JobEntry> JobListStore::Load() {
  if (path_.empty()) {
    return {};
  }
  win::RemoveReplacementLeftovers(path_);
  return joblist::ParseJobListFile(win::ReadWholeFile(path_).value_or(std::string()));
}

void JobListStore::Changed() {
  if (intervalRunning_) {
    changedInInterval_ = true;
    return;
  }
  Write();
  StartInterval();
}

void JobListStore::Flush() {
  StopInterval();
  Write();
}

LRESULT JobListStore::WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_TIMER || wParam != kIntervalTimer) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  if (changedInInterval_) {
    Write();
  } else {
    StopInterval();
  }
  return 0;
}

void JobListStore::StartInterval() {
  intervalRunning_ = SetTimer(window_, kIntervalTimer, intervalMs_, nullptr) != 0;
}

void JobListStore::StopInterval() {
  if (intervalRunning_) {
    KillTimer(window_, kIntervalTimer);
    intervalRunning_ = false;
  }
}

void JobListStore::Write() {
  const DWORD started = GetTickCount();
  WriteList();
  const UINT cost = GetTickCount() - started;
  intervalMs_ = std::max<UINT>(kWriteIntervalMs, cost * (kTimeShare - 1));
  if (intervalRunning_) {
    StartInterval();
  }
}

// A list that only changed in what the file does not keep (a percentage)
// is not written again. The folder is made at the first write.
void JobListStore::WriteList() {
  changedInInterval_ = false;
  if (path_.empty()) {
    return;
  }
  std::string bytes = joblist::FormatJobListFile(entries_());
  if (bytes == written_) {
    return;
  }
  ++writes_;
  CreateDirectoryW(win::Utf8ToWide(base::ExtractFilePath(path_)).c_str(), nullptr);
  if (win::ReplaceWholeFile(path_, bytes)) {
    written_ = std::move(bytes);
  }
}

}  // namespace app
