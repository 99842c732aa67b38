#include <windows.h>

#include "app/batch_add_form.h"
#include "app/directory_form.h"
#include "app/main_form.h"
#include "app/overwrite_form.h"
#include "ui/application.h"
#include "win/system_folders.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ui::TApplication& application = ui::Application();
  application.Initialize();
  try {
    auto mainForm = ui::CreateForm<app::TfrmMain>(
        conversion::CommandLineFolders{win::SystemFolder(), win::TempFolder()});
    auto overwriteForm = ui::CreateForm<app::TfrmOverWrite>();
    mainForm->SetOverwriteForm(overwriteForm.get());
    auto batchAddForm = ui::CreateForm<app::TFrmBatchAdd>(*mainForm);
    mainForm->SetBatchAddForm(batchAddForm.get());
    auto directoryForm = ui::CreateForm<app::TFrmDirectory>();
    mainForm->SetDirectoryForm(directoryForm.get());
    mainForm->Show();
    return application.Run();
  } catch (...) {
    application.HandleException();
    return 1;
  }
}
