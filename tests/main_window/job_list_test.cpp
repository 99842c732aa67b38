#include <gtest/gtest.h>

#include <algorithm>

#include "tests/main_window/main_window_fixture.h"
#include "tests/support/unicode_names.h"
#include "win/code_page.h"

namespace main_window_test {
namespace {

using Names = std::vector<std::string>;
using JobListTest = MainWindowTest;

constexpr int kFileNameControl = 1148;
constexpr int kFileTypeControl = 0x470;  // cmb1

void Click(ui::TControl* button) {
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
}

TEST_F(JobListTest, AddFileTakesOnlySupportedExtensionsAndKeepsDuplicates) {
  const struct {
    const char* path;
    bool accepted;
  } cases[] = {
      {"C:\\Video\\clip.AVI", true},  {"C:\\Video\\clip.mp", true},
      {"C:\\Video\\clip.3g", true},   {"C:\\Video\\clip.avs", false},
      {"C:\\Video\\clip.psp", false}, {"C:\\Video\\notes.txt", false},
      {"C:\\Video.d\\clip", false},   {"C:\\Video\\clip.AVI", true},
  };
  Names accepted;
  for (const auto& c : cases) {
    form->AddFile(c.path);
    if (c.accepted) {
      accepted.push_back(c.path);
    }
  }
  EXPECT_EQ(accepted, Entries());
}

// The dialog is answered through its own controls: the names typed into
// its file-name box, then OK; or Cancel. It opens where the files are, as
// the system's dialog does for a current folder holding files of the
// selected filter. Names of any characters come back whole.
TEST_F(JobListTest, OpenDialogAddsThePickedFilesTheListTakes) {
  std::wstring picked = L"\"a.avi\" \"b.psp\"";
  Names expected = {InputPath("a.avi")};
  for (const char* name : {"a.avi", "b.psp"}) {
    WriteTextFile(InputPath(name), "ok\n");
  }
  for (const char* name : test_support::kUnicodeNames) {
    const std::string file = name + std::string(".avi");
    WriteTextFile(InputPath(file), "ok\n");
    picked += L" \"" + win::Utf8ToWide(file) + L"\"";
    expected.push_back(InputPath(file));
  }
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  SetCurrentDirectoryA(InputPath("").c_str());

  std::string title, filter;
  test_support::RepeatingTimer picker([&] {
    HWND dialog = test_support::FindThreadWindow(L"#32770");
    if (!dialog || !GetDlgItem(dialog, kFileNameControl)) {
      return false;
    }
    title = win::WideToUtf8(test_support::WindowText(dialog));
    filter = win::WideToUtf8(test_support::WindowText(GetDlgItem(dialog, kFileTypeControl)));
    SetWindowTextW(GetDlgItem(dialog, kFileNameControl), picked.c_str());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return true;
  });
  Click(form->buttonAdd);
  EXPECT_EQ("Open video files", title);
  EXPECT_EQ(0u, filter.rfind("Support files", 0)) << filter;
  Names entries = Entries();
  std::sort(entries.begin(), entries.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(expected, entries);

  test_support::RepeatingTimer canceller([&] {
    HWND dialog = test_support::FindThreadWindow(L"#32770");
    if (!dialog || !GetDlgItem(dialog, kFileNameControl)) {
      return false;
    }
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    return true;
  });
  Click(form->buttonAdd);
  EXPECT_EQ(expected.size(), Entries().size());
  SetCurrentDirectoryA(previous);
}

// Remove takes the selected entry only, from its button as from its menu
// entry; with nothing selected it does nothing.
TEST_F(JobListTest, RemoveDeletesTheSelectedEntry) {
  for (const char* path : {"C:\\a.avi", "C:\\b.avi", "C:\\c.avi"}) {
    form->AddFile(path);
  }
  form->listViewFiles->Item(1).SetSelected(true);
  Click(form->buttonDelete);
  EXPECT_EQ((Names{"C:\\a.avi", "C:\\c.avi"}), Entries());

  Click(form->buttonDelete);
  EXPECT_EQ((Names{"C:\\a.avi", "C:\\c.avi"}), Entries());

  form->listViewFiles->Item(0).SetSelected(true);
  for (int index = 0; index < form->N_1->Count(); ++index) {
    if (form->N_1->Item(index)->Action() == form->ActionFileDelete) {
      SendMessageW(form->Handle(), WM_COMMAND, form->N_1->Item(index)->Command(), 0);
    }
  }
  EXPECT_EQ((Names{"C:\\c.avi"}), Entries());
}

TEST_F(JobListTest, ClearAllAsksFirstEvenForAnEmptyList) {
  form->AddFile("C:\\a.avi");
  form->AddFile("C:\\b.avi");
  boxes.SetAnswer(IDCANCEL);
  Click(form->buttonClearAll);
  EXPECT_EQ(2u, Entries().size());

  boxes.SetAnswer(IDOK);
  Click(form->buttonClearAll);
  EXPECT_TRUE(Entries().empty());

  Click(form->buttonClearAll);
  EXPECT_EQ(Names(3, "Clear the list?"), boxes.Texts());
  EXPECT_EQ(Names(3, "Vexmoor"), boxes.Captions());
}

// The edited text is the entry's path from then on, whatever its
// extension, and that is what is converted.
TEST_F(JobListTest, EntryEditedInPlaceIsConvertedWithTheEditedText) {
  AddEntry("first.avi", "ok");
  AddEntry("second.avi", "ok");
  const std::string edited = InputPath("renamed.xyz");
  WriteTextFile(edited, "ok\n");
  EditInPlace(*form->listViewFiles, 1, edited);
  ASSERT_EQ((Names{InputPath("first.avi"), edited}), Entries());

  PressConvert();
  EXPECT_EQ((Names{"first.avi", "renamed.xyz"}), StartedInputs());
  EXPECT_EQ("converted " + edited, ReadTextFile(OutputPath("renamed.3gp")));
}

struct MoveCase {
  const char* name;
  int selected;  // -1: none
  bool up;
  Names entries;
  int selectedAfter;
};

// Only the captions move; the selection and the focus follow the moved
// file, and the ends of the list stay put.
TEST_F(JobListTest, MoveUpAndDownCarryTheSelectionWithTheFile) {
  const MoveCase cases[] = {
      {"second up", 1, true, {"C:\\b.avi", "C:\\a.avi", "C:\\c.avi"}, 0},
      {"second down", 1, false, {"C:\\a.avi", "C:\\c.avi", "C:\\b.avi"}, 2},
      {"first up", 0, true, {"C:\\a.avi", "C:\\b.avi", "C:\\c.avi"}, 0},
      {"last down", 2, false, {"C:\\a.avi", "C:\\b.avi", "C:\\c.avi"}, 2},
      {"nothing selected", -1, true, {"C:\\a.avi", "C:\\b.avi", "C:\\c.avi"}, -1},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    form->ClearJobList();
    for (const char* path : {"C:\\a.avi", "C:\\b.avi", "C:\\c.avi"}) {
      form->AddFile(path);
    }
    if (c.selected >= 0) {
      form->listViewFiles->Item(c.selected).SetSelected(true);
    }
    Click(c.up ? form->buttonMoveUp : form->buttonMoveDown);
    EXPECT_EQ(c.entries, Entries());
    EXPECT_EQ(c.selectedAfter, form->listViewFiles->SelectedIndex());
    if (c.selectedAfter != c.selected) {
      EXPECT_TRUE(form->listViewFiles->Item(c.selectedAfter).Focused());
    }
  }
}

}  // namespace
}  // namespace main_window_test
