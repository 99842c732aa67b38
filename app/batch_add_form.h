#pragma once

#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/shell_tree_view.h"
#include "ui/std_controls.h"

namespace app {

class TfrmMain;

// Adds the video files of a folder, and of its subfolders if asked, that
// have the extension typed. Shown modelessly; made once and hidden between
// showings, so the extension and the check box keep their values for the
// run of the program.
class TFrmBatchAdd : public ui::TForm {
 public:
  // The window whose job list the files join.
  explicit TFrmBatchAdd(TfrmMain& mainForm);

  ui::TLabel* labelDirectory;
  ui::TShellTreeView* ShellTreeView;
  ui::TLabel* labelFileNameExt;
  ui::TEdit* editExt;
  ui::TLabel* labelNoticeFileNameExt;
  ui::TCheckBox* checkBoxIsSubDirectorie;
  ui::TButton* buttonOK;
  ui::TButton* buttonCancel;

 private:
  void buttonOKClick(base::TComponent* sender);
  void buttonCancelClick(base::TComponent* sender);

  TfrmMain& mainForm_;
};

}  // namespace app
