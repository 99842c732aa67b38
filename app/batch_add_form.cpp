#include "app/batch_add_form.h"

#include "app/main_form.h"
#include "joblist/folder_search.h"

namespace app {

namespace {

ui::TFormOptions BatchAddFormOptions() {
  ui::TFormOptions options;
  options.caption = "Add Files";
  options.left = 340;
  options.top = 170;
  options.clientWidth = 337;
  options.clientHeight = 395;
  options.borderStyle = ui::TBorderStyle::bsDialog;
  options.borderIcons = ui::TBorderIcons::DialogOnly();
  options.className = "TFrmBatchAdd";
  return options;
}

}  // namespace

TFrmBatchAdd::TFrmBatchAdd(TfrmMain& mainForm)
    : ui::TForm(BatchAddFormOptions()), mainForm_(mainForm) {
  SetName("frmBatchAdd");
  labelDirectory = new ui::TLabel(this, {{8, 8, 321, 13}, "Directory"});
  labelDirectory->SetName("labelDirectory");

  ui::TShellTreeViewOptions tree;
  tree.bounds = {8, 24, 321, 257};
  tree.root = ui::TShellRoot::rfMyComputer;
  tree.showHints = true;
  ShellTreeView = new ui::TShellTreeView(this, tree);
  ShellTreeView->SetName("ShellTreeView");

  labelFileNameExt = new ui::TLabel(this, {{8, 293, 48, 13}, "扩展名"});
  labelFileNameExt->SetName("labelFileNameExt");
  editExt = new ui::TEdit(this, {{60, 289, 81, 21}, "*"});
  editExt->SetName("editExt");
  labelNoticeFileNameExt =
      new ui::TLabel(this, {{8, 316, 321, 13}, "(*为任意，其它请输入，如avi等)"});
  labelNoticeFileNameExt->SetName("labelNoticeFileNameExt");
  checkBoxIsSubDirectorie = new ui::TCheckBox(this, {{8, 336, 321, 17}, "Include Sub Directorie"});
  checkBoxIsSubDirectorie->SetName("checkBoxIsSubDirectorie");

  ui::TButtonOptions ok;
  ok.bounds = {173, 362, 75, 25};
  ok.caption = "&OK";
  ok.isDefault = true;
  ok.onClick = [this](base::TComponent* sender) { buttonOKClick(sender); };
  buttonOK = new ui::TButton(this, ok);
  buttonOK->SetName("buttonOK");
  ui::TButtonOptions cancel;
  cancel.bounds = {254, 362, 75, 25};
  cancel.caption = "&Cancel";
  cancel.isCancel = true;
  cancel.onClick = [this](base::TComponent* sender) { buttonCancelClick(sender); };
  buttonCancel = new ui::TButton(this, cancel);
  buttonCancel->SetName("buttonCancel");
}

// Only a folder of the file system can be searched: with none selected, or
// a virtual one such as My Computer, the form stays as it is.
void TFrmBatchAdd::buttonOKClick(base::TComponent*) {
  const std::string folder = ShellTreeView->SelectedPath();
  if (folder.empty()) {
    return;
  }
  Hide();
  mainForm_.AddFolder(folder, checkBoxIsSubDirectorie->Checked(),
                      joblist::TrimSearchExtension(editExt->Text()));
}

void TFrmBatchAdd::buttonCancelClick(base::TComponent*) {
  Hide();
}

}  // namespace app
