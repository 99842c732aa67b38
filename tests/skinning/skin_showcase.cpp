// Not a test: shows the program's windows in a skin for screenshots.
//   skin_showcase SKIN_FILE main|busy|failed|overwrite|message|open|batchadd|directory
//                 READY_FILE [LANGUAGE_FILE]
// Once the window to show is up, it writes READY_FILE ("ready" and the
// main window's left, top, width and height on the screen) and runs until
// it is ended. The main window holds a few files; "busy" shows it as during a
// conversion: the controls disabled, the stop text on Convert, the
// progress bar part-filled, the status line of the file being converted,
// the time left and each file's status; "failed" shows it after a run in
// which a file failed, with the finish message that offers to convert it
// again. Under Xvfb, the part of a window that lies over another one shows
// black in a screenshot, so the prompt, the message box and the open dialog
// are moved beside the main window.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "app/batch_add_form.h"
#include "app/directory_form.h"
#include "app/main_form.h"
#include "app/overwrite_form.h"
#include "tests/skinning/main_window_states.h"
#include "tests/support/window_driver.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "win/system_folders.h"

namespace {

// Puts a window to the right of another, top edges level.
void PlaceBeside(HWND window, HWND beside) {
  RECT main{};
  GetWindowRect(beside, &main);
  SetWindowPos(window, nullptr, main.right + 16, main.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr,
                 "usage: skin_showcase SKIN_FILE "
                 "main|busy|failed|overwrite|message|open|batchadd|directory READY_FILE "
                 "[LANGUAGE_FILE]\n");
    return 2;
  }
  const std::string skinFile = argv[1];
  const std::string what = argv[2];
  const std::string readyFile = argv[3];
  ui::TApplication& application = ui::Application();
  application.Initialize();
  application.SetOnException(
      [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
  try {
    auto mainForm = ui::CreateForm<app::TfrmMain>(
        conversion::CommandLineFolders{win::SystemFolder(), win::TempFolder()});
    auto overwriteForm = ui::CreateForm<app::TfrmOverWrite>();
    mainForm->SetOverwriteForm(overwriteForm.get());
    auto batchAddForm = ui::CreateForm<app::TFrmBatchAdd>(*mainForm);
    mainForm->SetBatchAddForm(batchAddForm.get());
    auto directoryForm = ui::CreateForm<app::TFrmDirectory>();
    mainForm->SetDirectoryForm(directoryForm.get());
    if (argc == 5) {
      mainForm->LoadLanguage(argv[4]);
    }
    mainForm->OnShow = [&](base::TComponent*) { mainForm->vxSkinEngine->SetSkinFile(skinFile); };
    mainForm->Show();
    skinning_test::AddSampleFiles(*mainForm);
    if (what == "busy") {
      skinning_test::ShowBusy(*mainForm);
    } else if (what == "failed") {
      skinning_test::ShowAfterFailure(*mainForm);
    }
    test_support::PumpUntil([] { return false; }, 300);

    test_support::RepeatingTimer ready([&] {
      HWND shown = mainForm->Handle();
      if (what == "overwrite") {
        shown = overwriteForm->Modal() ? overwriteForm->Handle() : nullptr;
      } else if (what == "directory") {
        shown = directoryForm->Modal() ? directoryForm->Handle() : nullptr;
      } else if (what == "batchadd") {
        shown = batchAddForm->Visible() ? batchAddForm->Handle() : nullptr;
      } else if (what == "message" || what == "open" || what == "failed") {
        shown = test_support::FindThreadWindow(L"#32770");
      }
      if (!shown) {
        return false;
      }
      if (shown != mainForm->Handle()) {
        PlaceBeside(shown, mainForm->Handle());
      }
      RECT rect{};
      GetWindowRect(mainForm->Handle(), &rect);
      std::ofstream(readyFile) << "ready " << rect.left << ' ' << rect.top << ' '
                               << rect.right - rect.left << ' ' << rect.bottom - rect.top << '\n';
      return true;
    });
    if (what == "overwrite") {
      overwriteForm->Ask();
    } else if (what == "directory") {
      directoryForm->ShowModal();
    } else if (what == "batchadd") {
      batchAddForm->Show();
    } else if (what == "message") {
      ui::ShowMessageBox(mainForm.get(), "Open the output folder?", MB_YESNO | MB_ICONQUESTION);
    } else if (what == "failed") {
      ui::ShowMessageBox(mainForm.get(), skinning_test::FailureFinishText(*mainForm), MB_YESNO);
    } else if (what == "open") {
      ui::TOpenDialog dialog(mainForm.get());
      dialog.Execute(mainForm->Handle());
    }
    return application.Run();
  } catch (...) {
    application.HandleException();
    return 1;
  }
}
