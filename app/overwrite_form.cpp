#include "app/overwrite_form.h"

namespace app {

namespace {

ui::TFormOptions OverwriteFormOptions() {
  ui::TFormOptions options;
  options.caption = "文件已存在";
  options.left = 350;
  options.top = 320;
  options.clientWidth = 354;
  options.clientHeight = 118;
  options.borderStyle = ui::TBorderStyle::bsDialog;
  options.borderIcons = ui::TBorderIcons::DialogOnly();
  options.className = "TfrmOverWrite";
  return options;
}

}  // namespace

TfrmOverWrite::TfrmOverWrite() : ui::TForm(OverwriteFormOptions()) {
  SetName("frmOverWrite");
  labelDes = new ui::TLabel(
      this, {{0, 24, 353, 17}, "文件已存在，是否覆盖？", ui::TAlignment::taCenter, true});
  labelDes->SetName("labelDes");
  buttonOverWrite = new ui::TButton(
      this, {{40, 56, 65, 25}, "覆盖", nullptr, ui::mrYes, false, [this](base::TComponent* s) {
               buttonOverWriteClick(s);
             }});
  buttonOverWrite->SetName("buttonOverWrite");
  buttonIgnore = new ui::TButton(
      this, {{144, 56, 65, 25}, "忽略", nullptr, ui::mrNo, false, [this](base::TComponent* s) {
               buttonIgnoreClick(s);
             }});
  buttonIgnore->SetName("buttonIgnore");
  buttonAutoName = new ui::TButton(
      this, {{248, 56, 65, 25}, "自动命名", nullptr, ui::mrYes, true, [this](base::TComponent* s) {
               buttonAutoNameClick(s);
             }});
  buttonAutoName->SetName("buttonAutoName");
  checkBoxNotice = new ui::TCheckBox(this, {{8, 88, 321, 17}, "下次不再提示，均依此次选择执行"});
  checkBoxNotice->SetName("checkBoxNotice");
}

conversion::OverwriteChoice TfrmOverWrite::Ask() {
  choice_ = conversion::OverwriteChoice::IgnoreThis;
  SetModalResult(ui::mrNone);
  ShowModal();
  return choice_;
}

void TfrmOverWrite::buttonOverWriteClick(base::TComponent*) {
  Answer(conversion::OverwriteButton::Overwrite);
}

void TfrmOverWrite::buttonIgnoreClick(base::TComponent*) {
  Answer(conversion::OverwriteButton::Ignore);
}

void TfrmOverWrite::buttonAutoNameClick(base::TComponent*) {
  Answer(conversion::OverwriteButton::AutoName);
}

void TfrmOverWrite::Answer(conversion::OverwriteButton button) {
  choice_ = conversion::ChoiceFor(button, checkBoxNotice->Checked());
}

}  // namespace app
