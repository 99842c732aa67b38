#include "app/program.h"

#include "app/batch_add_form.h"
#include "app/common_form.h"
#include "app/directory_form.h"
#include "app/main_form.h"
#include "app/overwrite_form.h"
#include "app/splash_form.h"
#include "ui/application.h"

namespace app {

int RunProgram(const ProgramFolders& program) {
  ui::TApplication& application = ui::Application();
  application.Initialize();
  // Made before any main window, so neither becomes it.
  auto common = std::make_unique<TfrmCommon>(program.executablePath);
  common->DoCreate();

  // The splash comes and goes before any other window is made; it stays,
  // hidden, until the end.
  auto splash = std::make_unique<TfrmSplash>();
  splash->DoCreate();
  splash->Show();
  UpdateWindow(splash->Handle());
  splash->Close();

  auto mainForm = ui::CreateForm<TfrmMain>(program.folders);
  auto overwriteForm = ui::CreateForm<TfrmOverWrite>();
  mainForm->SetOverwriteForm(overwriteForm.get());
  auto batchAddForm = ui::CreateForm<TFrmBatchAdd>(*mainForm);
  mainForm->SetBatchAddForm(batchAddForm.get());
  auto directoryForm = ui::CreateForm<TFrmDirectory>();
  mainForm->SetDirectoryForm(directoryForm.get());
  mainForm->Show();
  return application.Run();
}

}  // namespace app
