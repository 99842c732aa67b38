#include <windows.h>

#include "common/system_folders.h"
#include "conversion/main_form.h"
#include "conversion/overwrite_form.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ui::TApplication& application = ui::Application();
  application.Initialize();
  try {
    auto mainForm = ui::CreateForm<conversion::TfrmMain>(
        conversion::CommandLineFolders{common::SystemFolder(), common::TempFolder()});
    auto overwriteForm = ui::CreateForm<conversion::TfrmOverWrite>();
    mainForm->SetOverwriteForm(overwriteForm.get());
    mainForm->Show();
    return application.Run();
  } catch (...) {
    application.HandleException();
    return 1;
  }
}
