#pragma once

#include <string>

#include "conversion/command_line.h"

namespace app {

// Where the program finds its files: its own executable (whose folder is
// the application folder) and the system and temporary folders; and where
// it keeps the job list between sessions (empty: nowhere).
struct ProgramFolders {
  std::string executablePath;  // UTF-8
  conversion::CommandLineFolders folders;
  std::string jobListFile;  // UTF-8
};

// The program from start to end: the common services module, the splash
// window, the main window and the dialogs, then the message loop until the
// main window closes. Returns the exit code.
int RunProgram(const ProgramFolders& program);

}  // namespace app
