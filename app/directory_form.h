#pragma once

#include <string>

#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/shell_tree_view.h"
#include "ui/std_controls.h"

namespace app {

// The output folder chooser: a folder tree from the desktop, shown
// modally. Made once and hidden between showings; the tree keeps its state.
class TFrmDirectory : public ui::TForm {
 public:
  TFrmDirectory();

  // The folder chosen by the last OK; emptied by Cancel (and by Escape),
  // left as it was by the close box.
  std::string SelectedPath;

  ui::TLabel* LabelDirectory;
  ui::TShellTreeView* ShellTreeView1;
  ui::TButton* ButtonOK;
  ui::TButton* ButtonCancel;

 private:
  void ButtonOKClick(base::TComponent* sender);
  void ButtonCancelClick(base::TComponent* sender);
};

}  // namespace app
