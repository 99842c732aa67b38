#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/test_folder.h"
#include "tests/support/window_driver.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/open_dialog_result.h"
#include "win/code_page.h"

namespace {

using namespace ui;

constexpr int kFileNameControl = 1148;

// A folder of its own with a few empty videos, where the dialog starts.
class OpenDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"a.avi", "b.avi", "c.mkv"}) {
      folder_.Write(name, {});
    }
    dialog.SetInitialDir(folder_.File(""));
    dialog.SetTitle("Open video files");
    dialog.SetFilter("Support files|*.avi;*.mkv|AVI files (*.avi)|*.avi|All files (*.*)|*.*");
    TOpenOptions options;
    options.allowMultiSelect = true;
    options.hideReadOnly = true;
    options.enableSizing = true;
    dialog.SetOptions(options);
  }

  std::string PathOf(const char* name) { return folder_.File(name); }

  // Answers the dialog once it is up: types the names and presses OK, or
  // cancels it when names is empty.
  bool Execute(const wchar_t* names) {
    std::wstring title;
    test_support::WindowAnswerer answerer(L"#32770", [&](HWND dialogWindow) {
      title = test_support::WindowText(dialogWindow);
      if (*names == L'\0') {
        PostMessageW(dialogWindow, WM_COMMAND, IDCANCEL, 0);
        return;
      }
      SetWindowTextW(GetDlgItem(dialogWindow, kFileNameControl), names);
      PostMessageW(dialogWindow, WM_COMMAND, IDOK, 0);
    });
    const bool picked = dialog.Execute(owner.Handle());
    EXPECT_EQ(L"Open video files", title);
    return picked;
  }

  TForm owner{TFormOptions{"Owner", 10, 10, 200, 100}};
  TOpenDialog dialog{&owner};

 private:
  test_support::TestFolder folder_;
};

TEST_F(OpenDialogTest, ReturnsFullPathsOfThePickedFiles) {
  ASSERT_TRUE(Execute(L"\"a.avi\" \"b.avi\""));
  EXPECT_EQ((std::vector<std::string>{PathOf("a.avi"), PathOf("b.avi")}), dialog.Files());

  ASSERT_TRUE(Execute(L"c.mkv"));
  EXPECT_EQ(std::vector<std::string>{PathOf("c.mkv")}, dialog.Files());
}

TEST_F(OpenDialogTest, CancelledDialogReturnsNoFiles) {
  ASSERT_TRUE(Execute(L"\"a.avi\" \"b.avi\""));
  EXPECT_FALSE(Execute(L""));
  EXPECT_TRUE(dialog.Files().empty());
}

struct ResultCase {
  const char* name;
  std::wstring buffer;
  std::vector<std::wstring> paths;
};

TEST(OpenDialogResultTest, SplitsEveryShapeOfTheFileBuffer) {
  using namespace std::string_literals;
  const ResultCase cases[] = {
      {"one file", L"C:\\Video\\a.avi\0\0"s, {L"C:\\Video\\a.avi"}},
      {"folder and names",
       L"C:\\Video\0a.avi\0b c.avi\0\0"s,
       {L"C:\\Video\\a.avi", L"C:\\Video\\b c.avi"}},
      {"drive root", L"C:\\\0a.avi\0b.avi\0\0"s, {L"C:\\a.avi", L"C:\\b.avi"}},
      {"nothing", L"\0\0"s, {}},
      {"no final NUL", L"C:\\V\0a.avi"s, {L"C:\\V\\a.avi"}},
  };
  for (const ResultCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.paths, SplitOpenDialogResult(c.buffer.data(), c.buffer.size()));
  }
}

TEST(OpenDialogResultTest, FilterBarsBecomeNuls) {
  using namespace std::string_literals;
  EXPECT_EQ(L"AVI files\0*.avi\0All\0*.*\0\0"s, OpenDialogFilter(L"AVI files|*.avi|All|*.*"));
}

}  // namespace
