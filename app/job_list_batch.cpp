#include "app/job_list_batch.h"

#include <algorithm>

#include "app/main_form.h"
#include "ui/application.h"

namespace app {

namespace {

// Often enough for the list to be seen growing, seldom enough for the
// repaints to cost little against the additions: under Wine one showing
// of the list costs 30 to 80 ms, and showing it ten times a second made a
// drop of 20,000 files take half as long again as the additions alone. On
// a busy machine, where a showing costs more, they are spaced wider, so
// that they take at most a sixth of the time.
constexpr DWORD kGrowthInterval = 250;
constexpr DWORD kIntervalPerShowingCost = 5;

// Below what the eye notices as a delay of the window's answer.
constexpr DWORD kMessageInterval = 15;

}  // namespace

JobListBatch::JobListBatch(ui::TForm& window, ui::TListView& list)
    : window_(window), list_(list), lastShown_(GetTickCount()), interval_(kGrowthInterval) {
  list_.BeginUpdate();
}

JobListBatch::~JobListBatch() {
  list_.EndUpdate();
  RedrawWindow(window_.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void JobListBatch::ShowGrowth() {
  const DWORD start = GetTickCount();
  if (start - lastShown_ < interval_) {
    return;
  }
  list_.EndUpdate();
  UpdateWindow(list_.Handle());
  list_.BeginUpdate();
  lastShown_ = GetTickCount();
  interval_ = std::max(kGrowthInterval, (lastShown_ - start) * kIntervalPerShowingCost);
}

JobListSearch::JobListSearch(TfrmMain& form, MessageTurns turns)
    : form_(form), batch_(form, *form.listViewFiles), turns_(turns), lastTurn_(GetTickCount()) {}

void JobListSearch::Found(const std::string& path) {
  form_.AddFile(path);
}

bool JobListSearch::Continue() {
  if (turns_ == MessageTurns::AfterEachFile || GetTickCount() - lastTurn_ >= kMessageInterval) {
    ui::Application().ProcessMessages();
    lastTurn_ = GetTickCount();
  }
  batch_.ShowGrowth();
  return !ui::Application().Terminated();
}

}  // namespace app
