#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/form.h"

namespace app {

// Where the texts of a language file go: the program's windows, each
// serving the section named like its component name, and the main window's
// kept texts by their key (nullptr for a key that names none).
struct LanguageTargets {
  std::vector<ui::TForm*> windows;
  std::function<std::string*(const std::string& key)> keptText;
};

// Applies the language file to the application title and the windows, key
// by key in the order of the language table. The file is read once, in
// its own code page (936 for the Chinese one), whatever the system's. A
// key the file lacks leaves its target as it was; a key of a window that
// the program does not have is passed over.
void ApplyLanguageFile(const std::string& fileName, const LanguageTargets& targets);

}  // namespace app
