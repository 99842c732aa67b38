#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/batch_add_form.h"
#include "app/directory_form.h"
#include "tests/main_window/main_window_fixture.h"
#include "tests/support/window_driver.h"

namespace main_window_test {

// Makes a folder, with any missing folders above it, or an empty file.
void MakeFolder(const std::string& path);
void MakeFile(const std::string& path);

// Opens the batch-add form from the File menu, selects the folder in its
// tree, fills in the extension and the check box and presses OK; returns
// once the search is done. False when the tree does not hold the folder.
bool BatchAdd(app::TfrmMain& form, app::TFrmBatchAdd& batchAdd, const std::string& folder,
              bool subfolders, const std::string& extension);

// Posts a drop as the shell makes it to the window, which frees it when
// done: a DROPFILES block of names in global memory. The shell sends wide
// names (PostWideDrop); older shells sent them in the system's code page
// (PostDrop, for names of ASCII).
void PostDrop(HWND window, const std::vector<std::string>& names);
void PostWideDrop(HWND window, const std::vector<std::string>& names);

// Clicks the File menu entry bound to the action.
void ClickFileMenuEntry(app::TfrmMain& form, ui::TAction* action);

// Closes the main window, as a user would during a long addition, once its
// list holds a number of entries; keeps how many it held at the close.
class CloseWhenListHolds {
 public:
  CloseWhenListHolds(app::TfrmMain& form, int entries);
  int EntriesAtClose() const { return entriesAtClose_; }

 private:
  int entriesAtClose_ = -1;
  test_support::RepeatingTimer closer_;
};

// The main window of MainWindowTest with the batch-add form and the output
// folder chooser, made as the program makes them.
class FileInputTest : public MainWindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::unique_ptr<app::TFrmBatchAdd> batchAdd;
  std::unique_ptr<app::TFrmDirectory> chooser;
};

}  // namespace main_window_test
