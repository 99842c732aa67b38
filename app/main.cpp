#include <windows.h>

#include "app/job_list_store.h"
#include "app/program.h"
#include "ui/application.h"
#include "win/system_folders.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    return app::RunProgram({win::ExecutablePath(),
                            {win::SystemFolder(), win::TempFolder()},
                            app::JobListStore::DefaultPath()});
  } catch (...) {
    ui::Application().HandleException();
    return 1;
  }
}
