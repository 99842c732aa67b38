#include "app/directory_form.h"

namespace app {

namespace {

ui::TFormOptions DirectoryFormOptions() {
  ui::TFormOptions options;
  options.caption = "Choose a directory";
  options.left = 360;
  options.top = 190;
  options.clientWidth = 289;
  options.clientHeight = 353;
  options.borderStyle = ui::TBorderStyle::bsDialog;
  options.borderIcons = ui::TBorderIcons::DialogOnly();
  options.className = "TFrmDirectory";
  return options;
}

}  // namespace

TFrmDirectory::TFrmDirectory() : ui::TForm(DirectoryFormOptions()) {
  SetName("frmDirectory");
  LabelDirectory = new ui::TLabel(this, {{8, 8, 273, 13}, "Directory"});
  LabelDirectory->SetName("LabelDirectory");
  ShellTreeView1 = new ui::TShellTreeView(this, {{8, 24, 273, 289}});
  ShellTreeView1->SetName("ShellTreeView1");

  ui::TButtonOptions ok;
  ok.bounds = {125, 321, 75, 25};
  ok.caption = "&OK";
  ok.isDefault = true;
  ok.onClick = [this](base::TComponent* sender) { ButtonOKClick(sender); };
  ButtonOK = new ui::TButton(this, ok);
  ButtonOK->SetName("ButtonOK");
  ui::TButtonOptions cancel;
  cancel.bounds = {206, 321, 75, 25};
  cancel.caption = "&Cancel";
  cancel.modalResult = ui::mrCancel;
  cancel.isCancel = true;
  cancel.onClick = [this](base::TComponent* sender) { ButtonCancelClick(sender); };
  ButtonCancel = new ui::TButton(this, cancel);
  ButtonCancel->SetName("ButtonCancel");
}

// A folder without a file-system path (My Computer and the like) names no
// place to write to: OK then keeps the form open and changes nothing, and
// so it does with nothing selected. The end of the modal showing hides the
// form.
void TFrmDirectory::ButtonOKClick(base::TComponent*) {
  const std::string path = ShellTreeView1->SelectedPath();
  if (path.empty()) {
    return;
  }
  SelectedPath = path;
  SetModalResult(ui::mrOk);
}

void TFrmDirectory::ButtonCancelClick(base::TComponent*) {
  SelectedPath.clear();
}

}  // namespace app
