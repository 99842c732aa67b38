#include "tests/skinning/main_window_states.h"

#include <string>

#include "conversion/encoder_output.h"

namespace skinning_test {

namespace {

constexpr int kSampleFiles = 12;
constexpr int kConvertedFile = 3;
constexpr int kFailedFile = 2;
const char kFailureReason[] =
    "Cannot read the input: C:\\Video\\holiday-3.avi: Invalid data found when processing input";

void ShowDone(app::TfrmMain& form, int index) {
  form.SetEntryStatus(index, {joblist::EntryState::Done, 100, 700000u + 130000u * index});
}

}  // namespace

void AddSampleFiles(app::TfrmMain& form) {
  for (int i = 1; i <= kSampleFiles; ++i) {
    form.AddFile("C:\\Video\\holiday-" + std::to_string(i) + ".avi");
  }
}

void ShowBusy(app::TfrmMain& form) {
  for (int index = 0; index < kConvertedFile; ++index) {
    ShowDone(form, index);
  }
  form.SetEntryStatus(kConvertedFile, {joblist::EntryState::Converting, 42});
  form.labelTimeLeft->SetCaption(conversion::FormatWithStrings(form.msgTimeLeft, {"0:42", "3:10"}));
  form.listViewFiles->Item(kConvertedFile).SetSelected(true);
  form.SetControlsEnabled(false);
  conversion::EncoderProgress progress;
  progress.position = 42;
  progress.frameCount = 315;
  progress.total = 750;
  form.progressBarCurrent->SetPosition(progress.position);
  form.labelCurrentInfo->SetCaption(conversion::FormatProgressStatus(
      form.msgStatusRun, kConvertedFile, kSampleFiles, "holiday-4.avi", progress));
}

void ShowAfterFailure(app::TfrmMain& form) {
  using joblist::EntryState;
  for (int index = 0; index < kSampleFiles; ++index) {
    ShowDone(form, index);
  }
  form.SetEntryStatus(kFailedFile, {EntryState::Failed, 0, 0, kFailureReason});
  form.SetEntryStatus(4, {EntryState::Skipped});
  form.SetEntryStatus(6, {EntryState::Interrupted});
  form.SetEntryStatus(7, {EntryState::Stopped});
  form.SetEntryStatus(8, {EntryState::Waiting});
  form.listViewFiles->Item(kFailedFile).SetSelected(true);
}

std::string FailureFinishText(const app::TfrmMain& form) {
  return form.msgFailedFiles + "\r\nholiday-3.avi: " + kFailureReason + "\r\n\r\n" +
         form.msgRetryFailed;
}

}  // namespace skinning_test
