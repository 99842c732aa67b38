// Every way into the job list besides the open dialog, and the output
// folder chooser, through real windows and real folders. Run through
// with_scratch_drive.sh, which gives the test a drive letter of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>

#include "tests/main_window/file_input_fixture.h"
#include "base/path_text.h"
#include "settings/ini_file.h"
#include "tests/support/shell_tree_driver.h"
#include "tests/support/unicode_names.h"
#include "win/code_page.h"
#include "win/window_list.h"

namespace main_window_test {
namespace {

using Names = std::vector<std::string>;

// The drive with_scratch_drive.sh links to a scratch folder, with its root
// backslash ("Q:\\"), or empty without the script.
std::string ScratchDrive() {
  const char* drive = std::getenv("VEXMOOR_TEST_DRIVE");
  return drive ? std::string(drive) + "\\" : std::string();
}

// Wine lists only the drives it knew when its session started (the shell's
// My Computer asks that list), while it opens files through the prefix's
// links as they are: the scratch drive joins the list for the test program,
// before any folder tree reads My Computer.
class ScratchDriveListing : public testing::Environment {
 public:
  void SetUp() override {
    const char* drive = std::getenv("VEXMOOR_TEST_DRIVE");
    const char* folder = std::getenv("VEXMOOR_TEST_DRIVE_FOLDER");
    if (!drive || !folder) {
      return;
    }
    const DWORD bit = 1u << (drive[0] - 'A');
    if (!(GetLogicalDrives() & bit) && DefineDosDeviceA(0, drive, folder)) {
      defined_ = drive;
    }
  }
  void TearDown() override {
    if (!defined_.empty()) {
      DefineDosDeviceA(DDD_REMOVE_DEFINITION, defined_.c_str(), nullptr);
    }
  }

 private:
  std::string defined_;
};

const testing::Environment* const scratchDriveListing =
    testing::AddGlobalTestEnvironment(new ScratchDriveListing);

class BatchAddTest : public FileInputTest {
 protected:
  // Files and folders in the order they are made; names ending in "\" are
  // folders. "secret" is hidden, "movie.avi" a folder named like a video.
  void SetUp() override {
    FileInputTest::SetUp();
    for (const char* name : {"a.avi", "b.txt", "c.MPG", "d.avs", "movie.avi\\inner.wmv",
                             "sub\\e.avi", "sub\\g.mov", "sub\\deeper\\f.avi", "secret\\h.avi"}) {
      MakeFile(Tree() + name);
    }
    SetFileAttributesA((Tree() + "secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
  }

  std::string Tree() const { return folders.Path() + "tree\\"; }

  // The entries with the tree's path taken off, sorted: the order of the
  // file system's enumeration is the folder search's own business.
  Names EntriesInTree() {
    Names names;
    for (const std::string& entry : Entries()) {
      names.push_back(entry.rfind(Tree(), 0) == 0 ? entry.substr(Tree().size()) : entry);
    }
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(BatchAddTest, SearchesTheChosenFolderThroughBothFilters) {
  const struct {
    const char* name;
    bool subfolders;
    const char* extension;
    Names entries;
  } cases[] = {
      {"any, folder only", false, "*", {"a.avi", "c.MPG", "movie.avi"}},
      {"nothing typed", false, "", {"a.avi", "c.MPG", "movie.avi"}},
      {"avi with subfolders, the hidden one too",
       true,
       "avi",
       {"a.avi", "secret\\h.avi", "sub\\deeper\\f.avi", "sub\\e.avi"}},
      {"blanks around the extension",
       true,
       " \tavi  ",
       {"a.avi", "secret\\h.avi", "sub\\deeper\\f.avi", "sub\\e.avi"}},
      {"any with subfolders",
       true,
       "*",
       {"a.avi", "c.MPG", "movie.avi\\inner.wmv", "secret\\h.avi", "sub\\deeper\\f.avi",
        "sub\\e.avi", "sub\\g.mov"}},
      {"an extension the list refuses", true, "txt", {}},
      {"a pattern with wildcards", true, "m?v", {"sub\\g.mov"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    form->ClearJobList();
    ASSERT_TRUE(BatchAdd(*form, *batchAdd, Tree(), c.subfolders, c.extension));
    EXPECT_FALSE(IsWindowVisible(batchAdd->Handle()));
    EXPECT_EQ(c.entries, EntriesInTree());
  }
}

// A folder of any name is searched, and files of any name join the list
// with every character.
TEST_F(BatchAddTest, FindsFilesOfAnyNameInAFolderOfAnyName) {
  const std::string folder = Tree() + test_support::kUnicodeNames[0] + "\\";
  Names expected;
  for (const char* name : test_support::kUnicodeNames) {
    expected.push_back(folder + name + ".avi");
    MakeFile(expected.back());
  }
  ASSERT_TRUE(BatchAdd(*form, *batchAdd, folder, false, "avi"));
  Names entries = Entries();
  std::sort(entries.begin(), entries.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(expected, entries);
}

// The form is only hidden: what was typed and checked is there at the next
// showing. A folder without a file-system path cannot be searched: OK then
// leaves the form open. Escape and the close box hide it.
TEST_F(BatchAddTest, FormKeepsItsFieldsAndRefusesAVirtualFolder) {
  ASSERT_TRUE(BatchAdd(*form, *batchAdd, Tree(), true, "mov"));
  ClickFileMenuEntry(*form, form->ActionFileBatchAdd);
  EXPECT_TRUE(IsWindowVisible(batchAdd->Handle()));
  EXPECT_EQ("mov", batchAdd->editExt->Text());
  EXPECT_TRUE(batchAdd->checkBoxIsSubDirectorie->Checked());

  ui::TShellTreeView& tree = *batchAdd->ShellTreeView;
  SendMessageW(tree.Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(tree.Root()));
  SendMessageW(batchAdd->buttonOK->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(IsWindowVisible(batchAdd->Handle()));
  EXPECT_EQ(Names{"sub\\g.mov"}, EntriesInTree());

  SetFocus(batchAdd->editExt->Handle());
  PostMessageW(batchAdd->editExt->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  test_support::PumpUntil([&] { return !IsWindowVisible(batchAdd->Handle()); }, 2000);
  EXPECT_FALSE(IsWindowVisible(batchAdd->Handle()));

  ClickFileMenuEntry(*form, form->ActionFileBatchAdd);
  SendMessageW(batchAdd->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindowVisible(batchAdd->Handle()));
  EXPECT_EQ(Names{"sub\\g.mov"}, EntriesInTree());
}

// The drive's folder "looped" holds links back to itself and to the root;
// the search passes over both and ends, with every file once.
TEST_F(BatchAddTest, DriveRootJoinsWithOneBackslashAndLinksBackUpAreNotFollowed) {
  const std::string drive = ScratchDrive();
  ASSERT_FALSE(drive.empty()) << "run through with_scratch_drive.sh";
  for (const char* name : {"x.avi", "y.txt", "sub\\z.mkv", "looped\\clip.avi"}) {
    MakeFile(drive + name);
  }
  ASSERT_TRUE(BatchAdd(*form, *batchAdd, drive, true, "*"));
  Names entries = Entries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ((Names{drive + "looped\\clip.avi", drive + "sub\\z.mkv", drive + "x.avi"}), entries);
}

using DropTest = BatchAddTest;

// The list is seen growing while many files join it, a few times a second,
// but is not drawn for every file: by batch add, a drop of names and a
// drop of their folder. The adding is held to at least 1,000 ms by a timer
// that sleeps, which fires only while the adding handles its messages.
TEST_F(DropTest, ListShowsItsGrowthWhileHandlingMessagesWithoutARepaintPerFile) {
  const int fileCount = 600;
  const std::string folder = folders.Path() + "many";
  Names names;
  for (int index = 0; index < fileCount; ++index) {
    names.push_back(folder + "\\clip" + std::to_string(index) + ".avi");
    MakeFile(names.back());
  }
  const struct {
    const char* name;
    std::function<void()> add;
  } cases[] = {
      {"batch add", [&] { ASSERT_TRUE(BatchAdd(*form, *batchAdd, folder, false, "*")); }},
      {"dropped names",
       [&] {
         PostWideDrop(form->Handle(), names);
         ui::Application().ProcessMessages();
       }},
      {"dropped folder",
       [&] {
         PostWideDrop(form->Handle(), {folder});
         ui::Application().ProcessMessages();
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    form->ClearJobList();
    std::vector<int> countsAtPaint;
    const ui::TWndMethod listProc = form->listViewFiles->WindowProc();
    form->listViewFiles->SetWindowProc([&](ui::TMessage& message) {
      if (message.Msg == WM_PAINT) {
        countsAtPaint.push_back(form->listViewFiles->ItemCount());
      }
      listProc(message);
    });
    DWORD addingStart = 0;
    test_support::RepeatingTimer slower([&] {
      if (form->listViewFiles->ItemCount() > 0 && addingStart == 0) {
        addingStart = GetTickCount();
      }
      if (addingStart != 0 && GetTickCount() - addingStart < 1000) {
        Sleep(30);
      }
      return false;
    });
    c.add();
    form->listViewFiles->SetWindowProc(listProc);

    EXPECT_EQ(fileCount, form->listViewFiles->ItemCount());
    const auto whileGrowing =
        std::count_if(countsAtPaint.begin(), countsAtPaint.end(),
                      [&](int count) { return count > 0 && count < fileCount; });
    EXPECT_GE(whileGrowing, 2);
    EXPECT_LT(countsAtPaint.size(), static_cast<std::size_t>(fileCount / 4));
  }
}

// Every file name in the shell's order through the list's rule. A name
// longer than the 254 characters the drop buffer holds is refused, even
// where its first 254 characters would pass as a video.
TEST_F(DropTest, DroppedFileNamesJoinTheListInTheShellsOrder) {
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  std::string tooLong = Tree() + "long";
  tooLong += std::string(251 - tooLong.size(), 'x') + ".mp";
  ASSERT_EQ(254u, tooLong.size());
  tooLong += "4.avi";
  const std::string fitting = Tree() + std::string(254 - Tree().size() - 4, 'y') + ".avi";
  PostDrop(form->Handle(),
           {Tree() + "c.MPG", Tree() + "b.txt", tooLong, fitting, Tree() + "c.MPG"});
  ui::Application().ProcessMessages();
  EXPECT_EQ((Names{Tree() + "c.MPG", fitting, Tree() + "c.MPG"}), Entries());
}

// What a drop should give: files as they are, or what batch add finds in a
// folder with every extension and its subfolders, in the order it finds
// them.
struct Dropped {
  std::string path;
  bool folder;
};

Names ExpectedFromDrop(app::TfrmMain& form, app::TFrmBatchAdd& batchAdd,
                       const std::vector<Dropped>& dropped) {
  Names expected;
  for (const Dropped& name : dropped) {
    form.ClearJobList();
    if (name.folder) {
      EXPECT_TRUE(BatchAdd(form, batchAdd, name.path, true, "*")) << name.path;
    } else {
      form.AddFile(name.path);
    }
    for (int index = 0; index < form.listViewFiles->ItemCount(); ++index) {
      expected.push_back(form.listViewFiles->Item(index).Caption());
    }
  }
  form.ClearJobList();
  return expected;
}

// A dropped folder is searched as batch add searches it with "*" and its
// subfolders: hidden ones too, a folder named like a video searched, not
// taken. Files and folders mixed in one drop keep the drop's order.
TEST_F(DropTest, DroppedFoldersGiveTheirSupportedFilesInBatchAddOrder) {
  const std::string named = folders.Path() + test_support::kUnicodeNames[0] + "\\";
  const std::string inner = named + test_support::kUnicodeNames[2] + "\\";
  Names namedFiles;
  for (const char* name : test_support::kUnicodeNames) {
    for (const std::string& file : {named + name + ".avi", inner + name + ".MKV"}) {
      MakeFile(file);
      namedFiles.push_back(file);
    }
    MakeFile(inner + name + ".txt");
  }
  std::sort(namedFiles.begin(), namedFiles.end());
  const auto inTree = [&](Names names) {
    for (std::string& name : names) {
      name.insert(0, Tree());
    }
    return names;
  };
  const struct {
    const char* name;
    std::vector<Dropped> dropped;
    Names filesSorted;
  } cases[] = {
      {"the whole tree",
       {{Tree().substr(0, Tree().size() - 1), true}},
       inTree({"a.avi", "c.MPG", "movie.avi\\inner.wmv", "secret\\h.avi", "sub\\deeper\\f.avi",
               "sub\\e.avi", "sub\\g.mov"})},
      {"files and folders",
       {{Tree() + "c.MPG", false},
        {Tree() + "movie.avi", true},
        {Tree() + "b.txt", false},
        {Tree() + "sub", true},
        {Tree() + "a.avi", false}},
       inTree({"a.avi", "c.MPG", "movie.avi\\inner.wmv", "sub\\deeper\\f.avi", "sub\\e.avi",
               "sub\\g.mov"})},
      {"a folder of any name", {{named.substr(0, named.size() - 1), true}}, namedFiles},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Names expected = ExpectedFromDrop(*form, *batchAdd, c.dropped);
    Names sorted = expected;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(c.filesSorted, sorted);
    Names names;
    for (const Dropped& name : c.dropped) {
      names.push_back(name.path);
    }
    PostWideDrop(form->Handle(), names);
    ui::Application().ProcessMessages();
    EXPECT_EQ(expected, Entries());
    form->ClearJobList();
  }
}

// Wide names keep every character, whatever the system's code page holds.
TEST_F(DropTest, WideNamesKeepEveryCharacter) {
  Names names;
  for (const char* name : test_support::kUnicodeNames) {
    names.push_back(Tree() + name + ".avi");
  }
  PostWideDrop(form->Handle(), names);
  ui::Application().ProcessMessages();
  EXPECT_EQ(names, Entries());
}

TEST_F(DropTest, FilesDroppedDuringAConversionJoinTheList) {
  const std::string running = AddEntry("running.avi", "wait");
  bool dropped = false;
  WhileEncoderWaits dropper(*form, [&] {
    if (dropped) {
      return;
    }
    dropped = true;
    PostDrop(form->Handle(), {Tree() + "a.avi"});
    PostMessageW(form->buttonConvert->Handle(), BM_CLICK, 0, 0);
  });
  PressConvert();
  EXPECT_TRUE(dropped);
  EXPECT_EQ((Names{running, Tree() + "a.avi"}), Entries());
}

// The containers added to the list's rule since its first version, each
// in lower and upper case, by every way into the list; beside them names
// that only begin like them, which none takes.
class TodaysFilesTest : public FileInputTest {
 protected:
  void SetUp() override {
    FileInputTest::SetUp();
    for (const char* extension :
         {"webm", "m4v", "ts", "mts", "m2ts", "flv", "f4v", "ogv", "3g2", "divx"}) {
      std::string upper = extension;
      std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      });
      for (const std::string& name : {"lower." + std::string(extension), "UPPER." + upper}) {
        MakeFile(Folder() + "\\" + name);
        videos.push_back(Folder() + "\\" + name);
      }
    }
    for (const char* name : {"x.t", "x.o", "x.m4", "x.m2t", "x.tsx", "x.web"}) {
      MakeFile(Folder() + "\\" + name);
      others.push_back(Folder() + "\\" + name);
    }
  }

  std::string Folder() const { return folders.Path() + "today"; }

  Names SortedEntries() {
    Names entries = Entries();
    std::sort(entries.begin(), entries.end());
    return entries;
  }

  Names videos;  // in the order made
  Names others;
};

TEST_F(TodaysFilesTest, BatchAddAndDropTakeThem) {
  Names sortedVideos = videos;
  std::sort(sortedVideos.begin(), sortedVideos.end());

  ASSERT_TRUE(BatchAdd(*form, *batchAdd, Folder(), false, "*"));
  const Names batchAdded = Entries();
  EXPECT_EQ(sortedVideos, SortedEntries());
  form->ClearJobList();

  PostWideDrop(form->Handle(), {Folder()});
  ui::Application().ProcessMessages();
  EXPECT_EQ(batchAdded, Entries()) << "the dropped folder";
  form->ClearJobList();

  Names names = others;
  names.insert(names.begin() + 2, videos.begin(), videos.end());
  PostWideDrop(form->Handle(), names);
  ui::Application().ProcessMessages();
  EXPECT_EQ(videos, Entries()) << "the dropped files";
}

HWND FindChildOfClass(HWND parent, const wchar_t* className) {
  for (HWND child : win::ChildWindows(parent)) {
    if (test_support::ClassName(child) == className) {
      return child;
    }
  }
  return nullptr;
}

// The dialog opens on the folder of today's files with the "Support
// files" filter: it lists exactly the videos. Picking every file there,
// the others too, adds the videos.
TEST_F(TodaysFilesTest, OpenDialogListsAndAddsThem) {
  constexpr int kFileNameControl = 1148;
  std::wstring picked;
  for (const Names* names : {&videos, &others}) {
    for (const std::string& name : *names) {
      picked += L"\"" + win::Utf8ToWide(base::ExtractFileName(name)) + L"\" ";
    }
  }
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(win::Utf8ToWide(Folder()).c_str());

  int listed = -1;
  int waited = 0;
  test_support::RepeatingTimer picker([&] {
    HWND dialog = test_support::FindThreadWindow(L"#32770");
    HWND view = dialog ? FindChildOfClass(dialog, L"SysListView32") : nullptr;
    if (!view || !GetDlgItem(dialog, kFileNameControl)) {
      return false;
    }
    listed = static_cast<int>(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0));
    if (listed < static_cast<int>(videos.size()) && ++waited < 100) {
      return false;
    }
    SetWindowTextW(GetDlgItem(dialog, kFileNameControl), picked.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return true;
  });
  SendMessageW(form->buttonAdd->Handle(), BM_CLICK, 0, 0);
  SetCurrentDirectoryW(previous);

  EXPECT_EQ(static_cast<int>(videos.size()), listed);
  Names sortedVideos = videos;
  std::sort(sortedVideos.begin(), sortedVideos.end());
  EXPECT_EQ(sortedVideos, SortedEntries());
}

// The chooser, opened from the button beside the output folder and
// answered through its own tree and buttons. What the field shows is what
// config.ini keeps.
class ChooserTest : public FileInputTest {
 protected:
  std::string Folder() const { return folders.Path() + "out"; }
};

enum class Ending { Ok, Cancel, Escape, CloseBox };

struct ChooserCase {
  const char* name;
  // Selected in the tree: a path, or My Computer when empty.
  std::string folder;
  std::vector<Ending> endings;  // tried in turn while the chooser stays open
  std::string outputFolder;     // the edit's text after; "" for unchanged
  std::string selectedPath;
};

TEST_F(ChooserTest, OutputFolderChangesOnlyWithOkOnAFileSystemFolder) {
  const std::string drive = ScratchDrive();
  ASSERT_FALSE(drive.empty()) << "run through with_scratch_drive.sh";
  const std::string unchanged = "C:\\start";
  const std::string named = folders.Path() + test_support::kUnicodeNames[0];
  CreateDirectoryW(win::Utf8ToWide(named).c_str(), nullptr);
  const ChooserCase cases[] = {
      {"any name", named, {Ending::Ok}, named, named},
      {"ok", Folder(), {Ending::Ok}, Folder(), Folder()},
      {"cancel", Folder(), {Ending::Cancel}, unchanged, ""},
      {"escape", Folder(), {Ending::Escape}, unchanged, ""},
      {"close box keeps the last choice", Folder(), {Ending::CloseBox}, unchanged, "before"},
      {"virtual folder refused", "", {Ending::Ok, Ending::CloseBox}, unchanged, "before"},
      {"drive root", drive, {Ending::Ok}, drive, drive},
  };
  for (const ChooserCase& c : cases) {
    SCOPED_TRACE(c.name);
    form->editOutputFolder->SetText(unchanged);
    chooser->SelectedPath = "before";
    std::size_t step = 0;
    bool selected = false;
    test_support::RepeatingTimer driver([&] {
      if (!IsWindowVisible(chooser->Handle()) || step >= c.endings.size()) {
        return false;
      }
      ui::TShellTreeView& tree = *chooser->ShellTreeView1;
      if (!selected) {
        HTREEITEM item = c.folder.empty()
                             ? test_support::ExpandTo(
                                   tree, test_support::SpecialFolderIdList(CSIDL_DRIVES).Get())
                             : test_support::ExpandTo(tree, c.folder);
        if (!item) {  // nothing to choose: end the showing, the test fails
          step = c.endings.size();
          PostMessageW(chooser->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
          return false;
        }
        SendMessageW(tree.Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        selected = true;
      }
      switch (c.endings[step++]) {
        case Ending::Ok:
          PostMessageW(chooser->ButtonOK->Handle(), BM_CLICK, 0, 0);
          break;
        case Ending::Cancel:
          PostMessageW(chooser->ButtonCancel->Handle(), BM_CLICK, 0, 0);
          break;
        case Ending::Escape:
          // To the tree, which has the focus while the chooser is active:
          // another program may hold the foreground meanwhile.
          PostMessageW(tree.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
          break;
        case Ending::CloseBox:
          PostMessageW(chooser->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
          break;
      }
      return false;
    });
    SendMessageW(form->BitBtnOutput->Handle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(selected);
    EXPECT_EQ(c.endings.size(), step) << "ended before its last answer";
    EXPECT_FALSE(IsWindowVisible(chooser->Handle()));
    EXPECT_EQ(c.outputFolder, form->editOutputFolder->Text());
    EXPECT_EQ(c.outputFolder,
              settings::IniFile(common->ConfigFile).ReadString("setting", "outputFolder", ""));
    EXPECT_EQ(c.selectedPath, chooser->SelectedPath);
  }
}

}  // namespace
}  // namespace main_window_test
