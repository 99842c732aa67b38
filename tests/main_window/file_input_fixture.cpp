#include "tests/main_window/file_input_fixture.h"

#include <shlobj.h>

#include <cstring>

#include "base/path_text.h"
#include "tests/support/dropped_files.h"
#include "tests/support/shell_tree_driver.h"
#include "win/code_page.h"

namespace main_window_test {

void MakeFolder(const std::string& path) {
  const std::string parent = base::ExtractFilePath(path);
  if (parent.size() > 3 &&
      GetFileAttributesW(win::Utf8ToWide(parent).c_str()) == INVALID_FILE_ATTRIBUTES) {
    MakeFolder(parent.substr(0, parent.size() - 1));
  }
  CreateDirectoryW(win::Utf8ToWide(path).c_str(), nullptr);
}

void MakeFile(const std::string& path) {
  MakeFolder(base::ExtractFilePath(path).substr(0, base::ExtractFilePath(path).size() - 1));
  WriteTextFile(path, "");
}

namespace {

void PostDropOf(HWND window, HGLOBAL drop) {
  PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

}  // namespace

void PostDrop(HWND window, const std::vector<std::string>& names) {
  PostDropOf(window, test_support::DroppedFiles(names, false));
}

void PostWideDrop(HWND window, const std::vector<std::string>& names) {
  PostDropOf(window, test_support::DroppedFiles(names));
}

void ClickFileMenuEntry(app::TfrmMain& form, ui::TAction* action) {
  for (int index = 0; index < form.N_1->Count(); ++index) {
    if (form.N_1->Item(index)->Action() == action) {
      SendMessageW(form.Handle(), WM_COMMAND, form.N_1->Item(index)->Command(), 0);
    }
  }
}

bool BatchAdd(app::TfrmMain& form, app::TFrmBatchAdd& batchAdd, const std::string& folder,
              bool subfolders, const std::string& extension) {
  ClickFileMenuEntry(form, form.ActionFileBatchAdd);
  if (!IsWindowVisible(batchAdd.Handle()) ||
      !test_support::SelectFolder(*batchAdd.ShellTreeView, folder)) {
    return false;
  }
  batchAdd.editExt->SetText(extension);
  batchAdd.checkBoxIsSubDirectorie->SetChecked(subfolders);
  SendMessageW(batchAdd.buttonOK->Handle(), BM_CLICK, 0, 0);
  return true;
}

void FileInputTest::SetUp() {
  MainWindowTest::SetUp();
  batchAdd = std::make_unique<app::TFrmBatchAdd>(*form);
  batchAdd->DoCreate();
  chooser = std::make_unique<app::TFrmDirectory>();
  chooser->DoCreate();
  form->SetBatchAddForm(batchAdd.get());
  form->SetDirectoryForm(chooser.get());
}

void FileInputTest::TearDown() {
  chooser.reset();
  batchAdd.reset();
  MainWindowTest::TearDown();
}

CloseWhenListHolds::CloseWhenListHolds(app::TfrmMain& form, int entries)
    : closer_([&form, entries] {
        if (form.listViewFiles->ItemCount() < entries) {
          return false;
        }
        PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
        return true;
      }) {
  auto formClose = form.OnClose;
  form.OnClose = [this, &form, formClose](base::TComponent* sender, ui::TCloseAction& action) {
    entriesAtClose_ = form.listViewFiles->ItemCount();
    formClose(sender, action);
  };
}

}  // namespace main_window_test
