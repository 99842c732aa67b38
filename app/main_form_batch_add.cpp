// Batch add on the main window: the command that shows the batch-add form
// and the folder search that its OK runs.
#include "app/batch_add_form.h"
#include "app/job_list_batch.h"
#include "app/main_form.h"
#include "joblist/disk_folder_reader.h"
#include "joblist/folder_search.h"
#include "ui/application.h"

namespace app {

namespace {

// Hands every path found to AddFile, and keeps the program responsive: the
// pending messages are handled after each entry, and the list is seen
// growing. Closing the main window meanwhile ends the program's message
// loop, and with it the search, before another file is added.
class JobListSearch : public joblist::FolderSearchHandler {
 public:
  explicit JobListSearch(TfrmMain& form) : form_(form), batch_(form, *form.listViewFiles) {}

  void Found(const std::string& path) override { form_.AddFile(path); }

  bool Continue() override {
    ui::Application().ProcessMessages();
    batch_.ShowGrowth();
    return !ui::Application().Terminated();
  }

 private:
  TfrmMain& form_;
  JobListBatch batch_;
};

}  // namespace

void TfrmMain::ActionFileBatchAddExecute(base::TComponent*) {
  if (frmBatchAdd_) {
    frmBatchAdd_->Show();
  }
}

void TfrmMain::AddFolder(const std::string& folder, bool includeSubfolders,
                         const std::string& extension) {
  joblist::DiskFolderReader disk;
  JobListSearch search(*this);
  joblist::SearchFolder(disk, folder, {includeSubfolders, extension}, search);
}

}  // namespace app
