// The job list's commands on the main window: adding files (the one way in
// for every file), removing, clearing and reordering entries.
#include <windows.h>

#include <utility>

#include "app/job_list_batch.h"
#include "app/main_form.h"
#include "joblist/supported_files.h"

namespace app {

// Repaints the window at once unless a batch of additions holds the list's
// drawing back and shows the list at its own pace.
void TfrmMain::AddFile(const std::string& path) {
  if (!joblist::IsSupportedVideoFile(path)) {
    return;
  }
  AppendEntry(path, {});
  JobListChanged();
  if (!listViewFiles->Updating()) {
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
}

void TfrmMain::ActionFileAddExecute(base::TComponent*) {
  OpenDialog->SetTitle("Open video files");
  OpenDialog->SetFileName("");
  OpenDialog->SetFilter(joblist::kOpenDialogFilter);
  OpenDialog->SetFilterIndex(1);
  ui::TOpenOptions options;
  options.allowMultiSelect = true;
  options.hideReadOnly = true;
  options.enableSizing = true;
  OpenDialog->SetOptions(options);
  OpenDialog->Execute(Handle());
  // Thousands of files may be chosen at once: added as a drop adds them.
  JobListBatch batch(*this, *listViewFiles);
  for (const std::string& path : OpenDialog->Files()) {
    if (path.empty()) {
      break;
    }
    AddFile(path);
    batch.ShowGrowth();
  }
}

void TfrmMain::ActionFileDeleteExecute(base::TComponent*) {
  const int selected = listViewFiles->SelectedIndex();
  if (selected < 0) {
    return;
  }
  listViewFiles->DeleteItem(selected);
  entries_.erase(entries_.begin() + selected);
  UpdateConvertFailedCommand();
  JobListChanged();
  UpdateWindow(listViewFiles->Handle());
}

void TfrmMain::ActionFileClearAllExecute(base::TComponent*) {
  if (ui::ShowMessageBox(this, msgClearAll, MB_OKCANCEL) == IDOK) {
    ClearJobList();
  }
}

void TfrmMain::ClearJobList() {
  listViewFiles->Clear();
  entries_.clear();
  UpdateConvertFailedCommand();
  JobListChanged();
}

void TfrmMain::ActionFileMoveUpExecute(base::TComponent*) {
  MoveSelectedEntry(-1);
}

void TfrmMain::ActionFileMoveDownExecute(base::TComponent*) {
  MoveSelectedEntry(+1);
}

// Swaps the selected entry's caption and status with its neighbour's; the
// selection and the focus follow the moved file.
void TfrmMain::MoveSelectedEntry(int step) {
  const int from = listViewFiles->SelectedIndex();
  const int to = from + step;
  if (from < 0 || to < 0 || to >= listViewFiles->ItemCount()) {
    return;
  }
  ui::TListItem moved = listViewFiles->Item(from);
  ui::TListItem other = listViewFiles->Item(to);
  const std::string caption = moved.Caption();
  moved.SetCaption(other.Caption());
  other.SetCaption(caption);
  std::swap(entries_[from], entries_[to]);
  ShowEntryStatus(from);
  ShowEntryStatus(to);
  other.SetSelected(true);
  other.SetFocused(true);
  JobListChanged();
  InvalidateRect(listViewFiles->Handle(), nullptr, TRUE);
  UpdateWindow(listViewFiles->Handle());
}

// Taken by value: the entries given may be this form's own, which the
// list's clearing empties.
void TfrmMain::RestoreJobEntries(std::vector<joblist::JobEntry> entries) {
  JobListBatch batch(*this, *listViewFiles);
  listViewFiles->Clear();
  entries_.clear();
  for (const joblist::JobEntry& entry : entries) {
    AppendEntry(entry.path, entry.status);
    batch.ShowGrowth();
  }
  UpdateConvertFailedCommand();
  JobListChanged();
}

const joblist::EntryStatus& TfrmMain::EntryStatusAt(int index) const {
  return entries_.at(index).status;
}

void TfrmMain::SetEntryStatus(int index, const joblist::EntryStatus& status) {
  const bool failedBefore = entries_.at(index).status.state == joblist::EntryState::Failed;
  entries_[index].status = status;
  ShowEntryStatus(index);
  if (failedBefore || status.state == joblist::EntryState::Failed) {
    UpdateConvertFailedCommand();
  }
  JobListChanged();
}

void TfrmMain::AppendEntry(const std::string& path, const joblist::EntryStatus& status) {
  listViewFiles->AddItem(path);
  entries_.push_back({path, status});
  ShowEntryStatus(static_cast<int>(entries_.size()) - 1);
}

void TfrmMain::JobListChanged() {
  if (OnJobListChanged) {
    OnJobListChanged();
  }
}

}  // namespace app
