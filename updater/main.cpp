// update.EXE: tells the user where new versions of Vexmoor are published.
// There is no update server; the program starts this and ends.
#include <windows.h>

#include "base/path_text.h"
#include "updater/update_notice.h"
#include "win/system_folders.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  updater::ShowUpdateNotice(updater::NoticeFor(base::ExtractFilePath(win::ExecutablePath())));
  return 0;
}
