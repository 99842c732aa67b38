// Closing the main window while a drop of many names fills the list. A
// program of its own: closing the main form ends the application's message
// loop, which cannot be undone in a process.
#include <gtest/gtest.h>

#include "app/common_form.h"
#include "tests/main_window/file_input_fixture.h"
#include "tests/support/test_folder.h"
#include "ui/application.h"

namespace main_window_test {
namespace {

TEST(DropCloseTest, ClosingTheMainWindowEndsTheDropAtOnce) {
  std::vector<std::string> errors;
  ui::Application().SetOnException([&](const std::string& text) { errors.push_back(text); });
  test_support::TestFolder folders;
  app::TfrmCommon common(folders.Path() + "vexmoor.exe");
  common.DoCreate();
  auto form =
      ui::CreateForm<app::TfrmMain>(conversion::CommandLineFolders{folders.Path(), folders.Path()});
  form->Show();

  const int nameCount = 20000;
  std::vector<std::string> names;
  for (int index = 0; index < nameCount; ++index) {
    names.push_back("C:\\videos\\clip" + std::to_string(index) + ".avi");
  }
  const CloseWhenListHolds closer(*form, 20);
  PostWideDrop(form->Handle(), names);
  ui::Application().ProcessMessages();

  EXPECT_TRUE(ui::Application().Terminated());
  EXPECT_GE(closer.EntriesAtClose(), 20);
  EXPECT_LT(closer.EntriesAtClose(), nameCount);
  EXPECT_EQ(closer.EntriesAtClose(), form->listViewFiles->ItemCount());
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(errors.empty());
  ui::Application().SetOnException(nullptr);
}

}  // namespace
}  // namespace main_window_test
