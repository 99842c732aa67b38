#pragma once

#include "app/main_form.h"

// The main window as the screenshots and the benchmark show it.
namespace skinning_test {

// A dozen files in the job list.
void AddSampleFiles(app::TfrmMain& form);

// What the window shows while the encoder converts the fourth file: the
// list and the settings disabled, the stop text on Convert, the progress
// bar part-filled and the status line of the file being converted.
void ShowBusy(app::TfrmMain& form);

}  // namespace skinning_test
