// Files and folders dropped on the main window from the shell join the job
// list: a file through AddFile, a folder by its supported files, searched
// as batch add searches with every extension and its subfolders.
#include <string>

#include "app/job_list_batch.h"
#include "app/main_form.h"
#include "joblist/disk_folder_reader.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace app {

namespace {

// The longest name taken, in characters; a longer one is passed over
// rather than cut to a path that names something else.
constexpr UINT kLongestDroppedName = 254;

// The name at `index`, by its wide form, so a name outside the system's
// code page keeps its characters.
std::string DroppedName(HDROP drop, UINT index) {
  std::wstring name(kLongestDroppedName + 1, L'\0');
  name.resize(DragQueryFileW(drop, index, &name[0], kLongestDroppedName + 1));
  return win::WideToUtf8(name);
}

// A folder by the files it holds, anything else through AddFile. False
// once the adding has been ended.
bool OfferDroppedName(JobListSearch& intake, const std::string& name) {
  if (joblist::IsDiskFolder(name)) {
    joblist::DiskFolderReader disk;
    return joblist::SearchFolder(disk, name, {true, "*"}, intake);
  }
  intake.Found(name);
  return intake.Continue();
}

}  // namespace

void TfrmMain::AcceptDroppedFiles() {
  DragAcceptFiles(Handle(), TRUE);
}

// Every name in the shell's order, in one batch that handles the pending
// messages after each file, so a drop of thousands keeps the window
// responsive; closing the window ends it.
void TfrmMain::FilesDropped(HDROP drop) {
  win::UniqueDrop owner(drop);
  JobListSearch intake(*this);
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    if (DragQueryFileW(drop, index, nullptr, 0) <= kLongestDroppedName &&
        !OfferDroppedName(intake, DroppedName(drop, index))) {
      return;
    }
  }
}

}  // namespace app
