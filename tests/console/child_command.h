#pragma once

#include <windows.h>

#include <string>

// The command line that starts the scripted child (console_child.exe, built
// beside the programs of this folder) with the given commands.
inline std::string ChildCommand(const std::string& commands) {
  char path[MAX_PATH];
  const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return "\"" + self.substr(0, self.find_last_of('\\') + 1) + "console_child.exe\" " + commands;
}
