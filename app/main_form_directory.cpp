// The output folder chosen on the main window through the folder chooser.
#include "app/directory_form.h"
#include "app/main_form.h"

namespace app {

void TfrmMain::ActionSetDirectoryExecute(base::TComponent*) {
  if (frmDirectory_ && frmDirectory_->ShowModal() == ui::mrOk) {
    editOutputFolder->SetText(frmDirectory_->SelectedPath);
  }
}

}  // namespace app
