#include "tests/skinning/main_window_states.h"

#include <string>

#include "conversion/encoder_output.h"

namespace skinning_test {

namespace {

constexpr int kSampleFiles = 12;
constexpr int kConvertedFile = 3;

}  // namespace

void AddSampleFiles(app::TfrmMain& form) {
  for (int i = 1; i <= kSampleFiles; ++i) {
    form.AddFile("C:\\Video\\holiday-" + std::to_string(i) + ".avi");
  }
}

void ShowBusy(app::TfrmMain& form) {
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

}  // namespace skinning_test
