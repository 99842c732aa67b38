// update.EXE: tells the user where new versions of Vexmoor are published.
// There is no update server; the program starts this and ends.
#include <windows.h>

#include <string>

#include "base/path_text.h"
#include "updater/update_notice.h"
#include "win/code_page.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::string folder =
      base::ExtractFilePath(win::WideToUtf8(std::wstring(path, length < MAX_PATH ? length : 0)));
  updater::ShowUpdateNotice(updater::NoticeFor(folder));
  return 0;
}
