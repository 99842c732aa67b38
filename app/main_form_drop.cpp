// Files and folders dropped on the main window from the shell join the job
// list: a file through AddFile, a folder by its supported files, searched
// as batch add searches with every extension and its subfolders.
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/job_list_batch.h"
#include "app/main_form.h"
#include "joblist/disk_folder_reader.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace app {

namespace {

// The longest name taken, in characters; a longer one is passed over
// rather than cut to a path that names something else.
constexpr std::size_t kLongestDroppedName = 254;

// The memory of a global handle, locked for the life of the object.
class LockedGlobal {
 public:
  explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
  ~LockedGlobal() {
    if (data_) {
      GlobalUnlock(memory_);
    }
  }
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;

  const char* Data() const { return static_cast<const char*>(data_); }
  std::size_t Size() const { return data_ ? GlobalSize(memory_) : 0; }

 private:
  HGLOBAL memory_;
  void* data_;
};

// The names of a list of zero-terminated names that ends with an empty
// one, or where the memory ends.
template <typename Char>
std::vector<std::basic_string<Char>> NameList(const Char* first, const Char* end) {
  std::vector<std::basic_string<Char>> names;
  for (const Char* name = first; name < end && *name != Char();) {
    const Char* nameEnd = std::find(name, end, Char());
    names.emplace_back(name, nameEnd);
    name = nameEnd + 1;
  }
  return names;
}

// The dropped names in the shell's order, by their wide form, so a name
// outside the system's code page keeps its characters. DragQueryFile walks
// the list from its start for each index, which made a drop of 20,000
// names take most of a minute; so the names are read in one pass over the
// drop's DROPFILES block, the form the shell hands over, and through
// DragQueryFile only when the handle holds no such block.
std::vector<std::wstring> DroppedNames(HDROP drop) {
  const LockedGlobal memory(drop);
  const auto* files = reinterpret_cast<const DROPFILES*>(memory.Data());
  if (memory.Size() < sizeof(DROPFILES) || files->pFiles > memory.Size()) {
    std::vector<std::wstring> names(DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0));
    for (UINT index = 0; index < names.size(); ++index) {
      names[index].resize(DragQueryFileW(drop, index, nullptr, 0) + 1);
      names[index].resize(DragQueryFileW(drop, index, &names[index][0], names[index].size()));
    }
    return names;
  }
  const char* list = memory.Data() + files->pFiles;
  const char* end = memory.Data() + memory.Size();
  if (files->fWide) {
    return NameList(reinterpret_cast<const wchar_t*>(list),
                    reinterpret_cast<const wchar_t*>(list + (end - list) / 2 * 2));
  }
  std::vector<std::wstring> names;
  for (const std::string& name : NameList(list, end)) {
    names.push_back(win::Utf8ToWide(win::AnsiToUtf8(win::AnsiString(name))));
  }
  return names;
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
// messages every few milliseconds, so a drop of thousands keeps the window
// responsive; closing the window ends it.
void TfrmMain::FilesDropped(HDROP drop) {
  win::UniqueDrop owner(drop);
  JobListSearch intake(*this, MessageTurns::EveryFewMilliseconds);
  for (const std::wstring& name : DroppedNames(drop)) {
    if (name.size() <= kLongestDroppedName && !OfferDroppedName(intake, win::WideToUtf8(name))) {
      return;
    }
  }
}

}  // namespace app
