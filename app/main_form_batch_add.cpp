// Batch add on the main window: the command that shows the batch-add form
// and the folder search that its OK runs.
#include "app/batch_add_form.h"
#include "app/job_list_batch.h"
#include "app/main_form.h"
#include "joblist/disk_folder_reader.h"
#include "joblist/folder_search.h"

namespace app {

void TfrmMain::ActionFileBatchAddExecute(base::TComponent*) {
  if (frmBatchAdd_) {
    frmBatchAdd_->Show();
  }
}

void TfrmMain::AddFolder(const std::string& folder, bool includeSubfolders,
                         const std::string& extension) {
  joblist::DiskFolderReader disk;
  JobListSearch search(*this, MessageTurns::AfterEachFile);
  joblist::SearchFolder(disk, folder, {includeSubfolders, extension}, search);
}

}  // namespace app
