#include "app/program.h"

#include "app/batch_add_form.h"
#include "app/common_form.h"
#include "app/directory_form.h"
#include "app/job_list_store.h"
#include "app/main_form.h"
#include "app/overwrite_form.h"
#include "app/splash_form.h"
#include "base/path_text.h"
#include "conversion/command_line.h"
#include "conversion/output_path.h"
#include "ui/application.h"
#include "win/leftover_files.h"

namespace app {

namespace {

// An encoder ended by force with the program, or by the machine's stop,
// leaves the output it was writing under a name of its process in the
// output folder. Its entry converts again, so that file goes at the next
// start; the file of an encoder that still runs (another Vexmoor's) stays.
void RemovePartialOutputs(const std::string& outputFolder) {
  win::RemoveLeftovers(base::IncludeTrailingBackslash(outputFolder),
                       "*." + conversion::GetOutputFormat() + ".",
                       conversion::kEncoderPartialSuffix);
}

}  // namespace

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

  // The list shows as it was at the end of the last session, and is kept
  // as it changes from now on.
  JobListStore jobList(program.jobListFile, [&] { return mainForm->JobEntries(); });
  mainForm->RestoreJobEntries(jobList.Load());
  mainForm->OnJobListChanged = [&] { jobList.Changed(); };
  mainForm->Show();
  RemovePartialOutputs(mainForm->editOutputFolder->Text());
  const int exitCode = application.Run();
  jobList.Flush();
  mainForm->OnJobListChanged = nullptr;
  return exitCode;
}

}  // namespace app
