#pragma once

#include "conversion/output_path.h"
#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/std_controls.h"

namespace app {

// The question asked when an output file exists already: overwrite it,
// ignore the entry, or pick a new name, optionally for every later clash.
// Made once and hidden between showings; the check box keeps its state.
class TfrmOverWrite : public ui::TForm {
 public:
  TfrmOverWrite();

  // Shows the question modally and returns the answer; closing the window
  // without a button answers "ignore this file".
  conversion::OverwriteChoice Ask();
  conversion::OverwriteChoice choice() const { return choice_; }

  ui::TLabel* labelDes;
  ui::TButton* buttonOverWrite;
  ui::TButton* buttonIgnore;
  ui::TButton* buttonAutoName;
  ui::TCheckBox* checkBoxNotice;

 private:
  void buttonOverWriteClick(base::TComponent* sender);
  void buttonIgnoreClick(base::TComponent* sender);
  void buttonAutoNameClick(base::TComponent* sender);
  void Answer(conversion::OverwriteButton button);

  conversion::OverwriteChoice choice_ = conversion::OverwriteChoice::IgnoreThis;
};

}  // namespace app
