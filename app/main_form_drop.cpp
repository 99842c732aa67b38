// Files dropped on the main window from the shell join the job list.
#include <string>

#include "app/job_list_batch.h"
#include "app/main_form.h"
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

}  // namespace

void TfrmMain::AcceptDroppedFiles() {
  DragAcceptFiles(Handle(), TRUE);
}

// Every name in the shell's order, files and folders alike; AddFile
// decides.
void TfrmMain::FilesDropped(HDROP drop) {
  win::UniqueDrop owner(drop);
  JobListBatch batch(*this, *listViewFiles);
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    if (DragQueryFileW(drop, index, nullptr, 0) > kLongestDroppedName) {
      continue;
    }
    AddFile(DroppedName(drop, index));
    batch.ShowGrowth();
  }
}

}  // namespace app
