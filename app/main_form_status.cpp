// The Status column of the job list: each entry's status in the texts of
// the language file, the encoder's whole reason in a failed entry's tip,
// the reset of an entry edited in place, and the command that converts
// the failed entries again.
#include <algorithm>

#include "app/main_form.h"
#include "conversion/encoder_output.h"
#include "conversion/time_left.h"

namespace app {

namespace {

// An encoder's reason may run over several lines; a cell shows one.
std::string OneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return text;
}

}  // namespace

std::string TfrmMain::EntryStatusText(const joblist::EntryStatus& status) const {
  using joblist::EntryState;
  switch (status.state) {
    case EntryState::Waiting:
      return msgEntryWaiting;
    case EntryState::Converting:
      return conversion::FormatWithString(msgEntryConverting, std::to_string(status.percent) + "%");
    case EntryState::Done:
      return conversion::FormatWithString(msgEntryDone,
                                          conversion::FormatFileSize(status.outputBytes));
    case EntryState::Failed:
      return conversion::FormatWithString(msgEntryFailed, status.reason);
    case EntryState::Stopped:
      return msgEntryStopped;
    case EntryState::Skipped:
      return msgEntrySkipped;
    case EntryState::Interrupted:
      return msgEntryInterrupted;
  }
  return msgEntryWaiting;
}

void TfrmMain::ShowEntryStatus(int index) {
  listViewFiles->Item(index).SetSubItemText(1, OneLine(EntryStatusText(entries_[index].status)));
}

void TfrmMain::ShowAllEntryStatuses() {
  for (int index = 0; index < static_cast<int>(entries_.size()); ++index) {
    ShowEntryStatus(index);
  }
}

// Only a failed entry has more to say than its cell holds.
std::string TfrmMain::EntryTip(int index) const {
  if (index < 0 || index >= static_cast<int>(entries_.size()) ||
      entries_[index].status.state != joblist::EntryState::Failed) {
    return "";
  }
  return EntryStatusText(entries_[index].status);
}

// An edited entry names another file, or the same one anew.
void TfrmMain::EntryEdited(int index) {
  entries_.at(index).path = listViewFiles->Item(index).Caption();
  SetEntryStatus(index, {});
}

// Called as a status turns failed or no longer, and as a run starts or
// ends, not for every added entry: the look through the list is no cost
// to a long list filling up.
void TfrmMain::UpdateConvertFailedCommand() {
  const bool running = runDriver_.Converting() || (ConsoleIO && ConsoleIO->IsRunning());
  ActionConvertFailed->SetEnabled(
      !running && std::any_of(entries_.begin(), entries_.end(), [](const joblist::JobEntry& entry) {
        return entry.status.state == joblist::EntryState::Failed;
      }));
}

void TfrmMain::ActionConvertFailedExecute(base::TComponent*) {
  if (!runDriver_.Converting()) {
    ConvertFailed();
  }
}

}  // namespace app
