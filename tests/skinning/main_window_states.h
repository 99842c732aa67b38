#pragma once

#include <string>

#include "app/main_form.h"

// The main window as the screenshots and the benchmark show it.
namespace skinning_test {

// A dozen files in the job list.
void AddSampleFiles(app::TfrmMain& form);

// What the window shows while the encoder converts the fourth file: the
// list and the settings disabled, the stop text on Convert, the progress
// bar part-filled, the status line of the file being converted and the
// time left, and each file's status: three done, the fourth converting.
void ShowBusy(app::TfrmMain& form);

// What the window shows after a run in which one file failed: its status
// with the encoder's reason among the others' (done, skipped, stopped,
// interrupted, waiting); the command that converts it again enabled.
void ShowAfterFailure(app::TfrmMain& form);

// The finish message of that run, which names the failed file and offers
// to convert it again.
std::string FailureFinishText(const app::TfrmMain& form);

}  // namespace skinning_test
