#include <windows.h>

#include <string>

#include "app/program.h"
#include "ui/application.h"
#include "win/code_page.h"
#include "win/system_folders.h"

namespace {

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length;
  while ((length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()))) ==
         path.size()) {
    path.resize(path.size() * 2);
  }
  path.resize(length);
  return win::WideToUtf8(path);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    return app::RunProgram({ExecutablePath(), {win::SystemFolder(), win::TempFolder()}});
  } catch (...) {
    ui::Application().HandleException();
    return 1;
  }
}
