// Closing the main window while a batch add searches a large folder. A
// program of its own: closing the main form ends the application's message
// loop, which cannot be undone in a process.
#include <gtest/gtest.h>

#include "app/common_form.h"
#include "tests/main_window/file_input_fixture.h"
#include "tests/support/test_folder.h"
#include "ui/application.h"

namespace main_window_test {
namespace {

TEST(SearchCloseTest, ClosingTheMainWindowEndsTheSearchAtOnce) {
  std::vector<std::string> errors;
  ui::Application().SetOnException([&](const std::string& text) { errors.push_back(text); });
  test_support::TestFolder folders;
  const int fileCount = 2000;
  for (int index = 0; index < fileCount; ++index) {
    MakeFile(folders.Path() + "many\\clip" + std::to_string(index) + ".avi");
  }

  app::TfrmCommon common(folders.Path() + "vexmoor.exe");
  common.DoCreate();
  auto form =
      ui::CreateForm<app::TfrmMain>(conversion::CommandLineFolders{folders.Path(), folders.Path()});
  auto batchAdd = ui::CreateForm<app::TFrmBatchAdd>(*form);
  form->SetBatchAddForm(batchAdd.get());
  form->Show();

  const CloseWhenListHolds closer(*form, 20);
  ASSERT_TRUE(BatchAdd(*form, *batchAdd, folders.Path() + "many", false, "avi"));

  EXPECT_TRUE(ui::Application().Terminated());
  EXPECT_GE(closer.EntriesAtClose(), 20);
  EXPECT_LT(closer.EntriesAtClose(), fileCount);
  EXPECT_EQ(closer.EntriesAtClose(), form->listViewFiles->ItemCount());
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(errors.empty());
  ui::Application().SetOnException(nullptr);
}

}  // namespace
}  // namespace main_window_test
