#pragma once

#include "conversion/output_path.h"
#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/std_controls.h"

namespace conversion {

// The question asked when an output file exists already: overwrite it,
// ignore the entry, or pick a new name, optionally for every later clash.
// Made once and hidden between showings; the check box keeps its state.
class TfrmOverWrite : public ui::TForm {
 public:
  TfrmOverWrite();

  // Shows the question modally and returns the answer; closing the window
  // without a button answers "ignore this file".
  OverwriteChoice Ask();
  OverwriteChoice choice() const { return choice_; }

  ui::TLabel* labelDes;
  ui::TButton* buttonOverWrite;
  ui::TButton* buttonIgnore;
  ui::TButton* buttonAutoName;
  ui::TCheckBox* checkBoxNotice;

 private:
  void buttonOverWriteClick(ui::TComponent* sender);
  void buttonIgnoreClick(ui::TComponent* sender);
  void buttonAutoNameClick(ui::TComponent* sender);
  void Answer(OverwriteButton button);

  OverwriteChoice choice_ = OverwriteChoice::IgnoreThis;
};

}  // namespace conversion
