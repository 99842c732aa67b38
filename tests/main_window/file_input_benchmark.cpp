// Benchmark, not a test. Batch add through the real form on folder trees of
// 500 to 5,000 video files (ten files a folder, the folders two levels
// deep), against the bare walk of the same tree with the same folder search
// and no window; then drops on the main window of 20,000 file names and of
// one folder of 20,000 files, against the bare walk of that folder and the
// same names added in one batch without handling any message; then the
// output folder chooser's tree expanding a folder of 3,000 subfolders,
// against the bare shell enumeration of that folder. Prints each figure
// (median of the rounds), the time per 1,000 files and its ratio to the
// 500-file tree (linear growth: about 1, or less as the fixed costs
// spread), and, as a reference, the cost of files added one by one with a
// repaint of the window for each. Goals: the 5,000-file tree under 2 s,
// each drop under 2 s with the window answering all along, the
// 3,000-subfolder folder shown under 0.5 s.
// Usage: main_window_file_input_bench <work folder> [rounds]
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/batch_add_form.h"
#include "app/common_form.h"
#include "app/directory_form.h"
#include "app/job_list_batch.h"
#include "app/main_form.h"
#include "base/path_text.h"
#include "joblist/disk_folder_reader.h"
#include "joblist/folder_search.h"
#include "tests/support/shell_tree_driver.h"
#include "tests/support/wall_clock.h"
#include "tests/support/window_driver.h"
#include "tests/support/dropped_files.h"
#include "ui/application.h"
#include "win/code_page.h"
#include "win/com_ptr.h"
#include "win/system_folders.h"

namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeEmptyFile(const std::string& path) {
  CloseHandle(CreateFileW(win::Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          0, nullptr));
}

// files / 10 folders of ten files each, in ten groups: root\g3\d27\clip5.avi.
// Made once; the marker file tells a tree that is complete.
std::string VideoTree(const std::string& work, int files) {
  const std::string root = work + "tree" + std::to_string(files);
  if (Exists(root + ".done")) {
    return root;
  }
  CreateDirectoryW(win::Utf8ToWide(root).c_str(), nullptr);
  const int folders = files / 10;
  for (int folder = 0; folder < folders; ++folder) {
    const std::string group = root + "\\g" + std::to_string(folder % 10);
    const std::string path = group + "\\d" + std::to_string(folder);
    CreateDirectoryW(win::Utf8ToWide(group).c_str(), nullptr);
    CreateDirectoryW(win::Utf8ToWide(path).c_str(), nullptr);
    for (int file = 0; file < 10; ++file) {
      MakeEmptyFile(path + "\\clip" + std::to_string(file) + ".avi");
    }
  }
  MakeEmptyFile(root + ".done");
  return root;
}

std::string WideFolder(const std::string& work, int subfolders) {
  const std::string root = work + "wide" + std::to_string(subfolders);
  if (Exists(root + ".done")) {
    return root;
  }
  CreateDirectoryW(win::Utf8ToWide(root).c_str(), nullptr);
  for (int index = 0; index < subfolders; ++index) {
    CreateDirectoryW(win::Utf8ToWide(root + "\\s" + std::to_string(10000 + index)).c_str(),
                     nullptr);
  }
  MakeEmptyFile(root + ".done");
  return root;
}

class CountingHandler : public joblist::FolderSearchHandler {
 public:
  void Found(const std::string&) override { ++found; }
  bool Continue() override { return true; }
  int found = 0;
};

double BareWalk(const std::string& root, int expected) {
  joblist::DiskFolderReader disk;
  CountingHandler counter;
  const double start = test_support::WallMilliseconds();
  joblist::SearchFolder(disk, root, {true, "*"}, counter);
  const double elapsed = test_support::WallMilliseconds() - start;
  if (counter.found != expected) {
    std::fprintf(stderr, "the walk found %d files, not %d\n", counter.found, expected);
  }
  return elapsed;
}

// From the OK click, with the folder selected, "*" and subfolders, to the
// end of the search.
double ThroughTheForm(app::TfrmMain& form, app::TFrmBatchAdd& batchAdd, const std::string& root,
                      int expected) {
  form.ClearJobList();
  form.ActionFileBatchAdd->Execute();
  if (!test_support::SelectFolder(*batchAdd.ShellTreeView, root)) {
    std::fprintf(stderr, "the tree does not hold %s\n", root.c_str());
    std::exit(1);
  }
  batchAdd.editExt->SetText("*");
  batchAdd.checkBoxIsSubDirectorie->SetChecked(true);
  ui::Application().ProcessMessages();
  const double start = test_support::WallMilliseconds();
  SendMessageW(batchAdd.buttonOK->Handle(), BM_CLICK, 0, 0);
  const double elapsed = test_support::WallMilliseconds() - start;
  if (form.listViewFiles->ItemCount() != expected) {
    std::fprintf(stderr, "the list holds %d files, not %d\n", form.listViewFiles->ItemCount(),
                 expected);
  }
  return elapsed;
}

// Files added one by one outside a batch, each repainting the whole
// window at once.
double OneRepaintPerFile(app::TfrmMain& form, int files) {
  form.ClearJobList();
  const double start = test_support::WallMilliseconds();
  for (int file = 0; file < files; ++file) {
    form.AddFile("C:\\reference\\clip" + std::to_string(file) + ".avi");
  }
  const double elapsed = test_support::WallMilliseconds() - start;
  form.ClearJobList();
  return elapsed;
}

void BenchmarkBatchAdd(app::TfrmMain& form, const std::string& work, int rounds) {
  app::TFrmBatchAdd batchAdd(form);
  batchAdd.DoCreate();
  form.SetBatchAddForm(&batchAdd);

  // Every tree is there before the form's tree reads their folder.
  const int sizes[] = {500, 1000, 2000, 5000};
  std::vector<std::string> roots;
  for (int files : sizes) {
    roots.push_back(VideoTree(work, files));
  }

  std::printf("batch add, \"*\" with subfolders (median of %d rounds):\n", rounds);
  const double repaintEach = OneRepaintPerFile(form, 200);
  std::printf("  reference, AddFile repainting the window for each file: %.0f ms per 1,000 files\n",
              repaintEach * 1000 / 200);
  double perThousandAt500 = 0;
  for (std::size_t size = 0; size < roots.size(); ++size) {
    const int files = sizes[size];
    const std::string& root = roots[size];
    BareWalk(root, files);  // warms the file system's caches
    std::vector<double> formMs, walkMs;
    for (int round = 0; round < rounds; ++round) {
      formMs.push_back(ThroughTheForm(form, batchAdd, root, files));
      walkMs.push_back(BareWalk(root, files));
    }
    const double perThousand = Median(formMs) * 1000 / files;
    if (files == 500) {
      perThousandAt500 = perThousand;
    }
    std::printf(
        "  %5d files in %4d folders: form %7.1f ms (%6.1f ms per 1,000 files, %.2f x the "
        "500-file rate); bare walk %6.1f ms, form / walk %.1f\n",
        files, files / 10 + 10, Median(formMs), perThousand, perThousand / perThousandAt500,
        Median(walkMs), Median(formMs) / Median(walkMs));
  }
  form.SetBatchAddForm(nullptr);
}

// One folder of `files` video files, made once.
std::string FlatFolder(const std::string& work, int files, std::vector<std::string>& names) {
  const std::string root = work + "flat" + std::to_string(files);
  const bool made = Exists(root + ".done");
  CreateDirectoryW(win::Utf8ToWide(root).c_str(), nullptr);
  for (int file = 0; file < files; ++file) {
    names.push_back(root + "\\clip" + std::to_string(100000 + file) + ".avi");
    if (!made) {
      MakeEmptyFile(names.back());
    }
  }
  MakeEmptyFile(root + ".done");
  return root;
}

struct DropTimes {
  double total = 0;
  // The longest the window went without handling its messages, seen as the
  // longest gap between two turns of a 20 ms timer.
  double longestDeaf = 0;
};

DropTimes Drop(app::TfrmMain& form, const std::vector<std::string>& names, int expected) {
  form.ClearJobList();
  ui::Application().ProcessMessages();
  HGLOBAL drop = test_support::DroppedFiles(names);
  DropTimes times;
  const double start = test_support::WallMilliseconds();
  double lastTurn = start;
  test_support::RepeatingTimer watch([&] {
    const double now = test_support::WallMilliseconds();
    times.longestDeaf = std::max(times.longestDeaf, now - lastTurn);
    lastTurn = now;
    return false;
  });
  SendMessageW(form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  times.total = test_support::WallMilliseconds() - start;
  times.longestDeaf = std::max(times.longestDeaf, test_support::WallMilliseconds() - lastTurn);
  if (form.listViewFiles->ItemCount() != expected) {
    std::fprintf(stderr, "the list holds %d files, not %d\n", form.listViewFiles->ItemCount(),
                 expected);
  }
  return times;
}

// The names added in one batch with no message handled: what the list
// itself costs.
double OneQuietBatch(app::TfrmMain& form, const std::vector<std::string>& names) {
  form.ClearJobList();
  const double start = test_support::WallMilliseconds();
  {
    app::JobListBatch batch(form, *form.listViewFiles);
    for (const std::string& name : names) {
      form.AddFile(name);
    }
  }
  return test_support::WallMilliseconds() - start;
}

// Each name told folder or file, as the drop tells them.
double TellFolders(const std::vector<std::string>& names) {
  const double start = test_support::WallMilliseconds();
  for (const std::string& name : names) {
    joblist::IsDiskFolder(name);
  }
  return test_support::WallMilliseconds() - start;
}

void BenchmarkDrop(app::TfrmMain& form, const std::string& work, int rounds) {
  const int files = 20000;
  std::vector<std::string> names;
  const std::string folder = FlatFolder(work, files, names);
  BareWalk(folder, files);
  std::vector<double> namesMs, namesDeaf, folderMs, folderDeaf, walkMs, quietMs, tellMs;
  for (int round = 0; round < rounds; ++round) {
    const DropTimes byName = Drop(form, names, files);
    namesMs.push_back(byName.total);
    namesDeaf.push_back(byName.longestDeaf);
    const DropTimes byFolder = Drop(form, {folder}, files);
    folderMs.push_back(byFolder.total);
    folderDeaf.push_back(byFolder.longestDeaf);
    walkMs.push_back(BareWalk(folder, files));
    quietMs.push_back(OneQuietBatch(form, names));
    tellMs.push_back(TellFolders(names));
  }
  form.ClearJobList();
  std::printf(
      "drops on the main window (median of %d rounds; goal < 2000 ms each):\n"
      "  %d file names: %7.1f ms, the window deaf at most %.0f ms at a time\n"
      "  one folder of %d files: %7.1f ms, the window deaf at most %.0f ms at a time\n"
      "  reference: the same names in one batch handling no message %.1f ms (drop / batch "
      "%.2f);\n  the bare walk of the folder %.1f ms; each name told folder or file %.1f ms\n",
      rounds, files, Median(namesMs), Median(namesDeaf), files, Median(folderMs),
      Median(folderDeaf), Median(quietMs), Median(namesMs) / Median(quietMs), Median(walkMs),
      Median(tellMs));
}

double BareShellEnumeration(const std::string& folder) {
  const double start = test_support::WallMilliseconds();
  win::ComPtr<IShellFolder> desktop, shellFolder;
  win::ComPtr<IEnumIDList> list;
  SHGetDesktopFolder(desktop.Put());
  win::UniqueIdList idList = test_support::ParsedIdList(folder);
  desktop->BindToObject(idList.Get(), nullptr, IID_IShellFolder, shellFolder.PutVoid());
  shellFolder->EnumObjects(nullptr, SHCONTF_FOLDERS, list.Put());
  LPITEMIDLIST child = nullptr;
  while (list->Next(1, &child, nullptr) == S_OK) {
    CoTaskMemFree(child);
  }
  return test_support::WallMilliseconds() - start;
}

struct ChooserTimes {
  double open = 0;    // from the click to the chooser's first turn of its loop
  double expand = 0;  // expanding the wide folder and painting the tree
  double icons = 0;   // then until the items shown have the shell's own icons
};

ChooserTimes OpenChooserOnWideFolder(app::TfrmMain& form, const std::string& folder) {
  app::TFrmDirectory chooser;
  chooser.DoCreate();
  form.SetDirectoryForm(&chooser);
  ChooserTimes times;
  const double start = test_support::WallMilliseconds();
  test_support::RepeatingTimer driver([&] {
    if (!IsWindowVisible(chooser.Handle())) {
      return false;
    }
    times.open = test_support::WallMilliseconds() - start;
    ui::TShellTreeView& tree = *chooser.ShellTreeView1;
    HTREEITEM item = test_support::ExpandTo(tree, folder);
    SendMessageW(tree.Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    UpdateWindow(tree.Handle());
    const double expandStart = test_support::WallMilliseconds();
    SendMessageW(tree.Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    UpdateWindow(tree.Handle());
    times.expand = test_support::WallMilliseconds() - expandStart;
    test_support::PumpUntil([&] { return !tree.IconsPending(); }, 10000);
    times.icons = test_support::WallMilliseconds() - expandStart - times.expand;
    if (test_support::ChildItems(tree, item).size() != 3000) {
      std::fprintf(stderr, "the folder shows %zu subfolders\n",
                   test_support::ChildItems(tree, item).size());
    }
    PostMessageW(chooser.ButtonCancel->Handle(), BM_CLICK, 0, 0);
    return true;
  });
  SendMessageW(form.BitBtnOutput->Handle(), BM_CLICK, 0, 0);
  form.SetDirectoryForm(nullptr);
  return times;
}

void BenchmarkChooser(app::TfrmMain& form, const std::string& work, int rounds) {
  const std::string folder = WideFolder(work, 3000);
  BareShellEnumeration(folder);
  std::vector<double> open, expand, icons, bare;
  for (int round = 0; round < rounds; ++round) {
    const ChooserTimes times = OpenChooserOnWideFolder(form, folder);
    open.push_back(times.open);
    expand.push_back(times.expand);
    icons.push_back(times.icons);
    bare.push_back(BareShellEnumeration(folder));
  }
  std::printf(
      "output folder chooser on a folder of 3,000 subfolders (median of %d rounds):\n"
      "  chooser up %.1f ms (timer resolution about 20 ms); expanding the folder and painting "
      "%.1f ms;\n  together %.1f ms (goal < 500 ms); the shell's icons of the items shown "
      "%.1f ms later;\n  bare shell enumeration %.1f ms, expand / enumeration %.1f\n",
      rounds, Median(open), Median(expand), Median(open) + Median(expand), Median(icons),
      Median(bare), Median(expand) / Median(bare));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: main_window_file_input_bench <work folder> [rounds]\n");
    return 2;
  }
  const std::string work = base::IncludeTrailingBackslash(argv[1]);
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
  CreateDirectoryW(win::Utf8ToWide(work).c_str(), nullptr);
  ui::Application().Initialize();
  win::ComApartment com;
  // The program's common services, with config.ini in the work folder.
  app::TfrmCommon common(work + "vexmoor.exe");
  common.DoCreate();
  const std::string temp = win::TempFolder();
  app::TfrmMain form(conversion::CommandLineFolders{temp, temp});
  form.DoCreate();
  form.Show();
  BenchmarkBatchAdd(form, work, rounds);
  form.ClearJobList();
  BenchmarkDrop(form, work, rounds);
  BenchmarkChooser(form, work, rounds);
  return 0;
}
