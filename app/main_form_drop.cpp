// Files dropped on the main window from the shell join the job list.
#include <vector>

#include "app/job_list_batch.h"
#include "app/main_form.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace app {

namespace {

// The shell's ANSI names are read into a buffer of this many bytes.
constexpr UINT kDropNameBufferSize = 255;

}  // namespace

void TfrmMain::AcceptDroppedFiles() {
  DragAcceptFiles(Handle(), TRUE);
}

// Every name in the shell's order, files and folders alike; AddFile
// decides. A name too long for the buffer is passed over rather than cut
// to a path that names something else.
void TfrmMain::FilesDropped(HDROP drop) {
  win::UniqueDrop owner(drop);
  JobListBatch batch(*this, *listViewFiles);
  std::vector<char> name(kDropNameBufferSize);
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT index = 0; index < count; ++index) {
    if (DragQueryFileA(drop, index, nullptr, 0) >= kDropNameBufferSize) {
      continue;
    }
    const UINT length = DragQueryFileA(drop, index, name.data(), kDropNameBufferSize);
    AddFile(win::AnsiToUtf8(win::AnsiString(name.data(), length)));
    batch.ShowGrowth();
  }
}

}  // namespace app
