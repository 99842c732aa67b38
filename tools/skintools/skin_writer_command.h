#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace skintools {

// skinwriter OUTPUT.ssk BITMAP_FOLDER VALUES_FILE [PASSWORD]
//
// Builds a skin file from the BMP files of a folder, each named by its file
// name without ".bmp", and the values file (see skin_values_file.h); with a
// password, the skin data is encrypted. Every picture must decode, names
// must not repeat within a kind, and the finished file must load again.
// Returns the exit status; errors go to `err`.
int RunSkinWriter(const std::vector<std::string>& args, std::ostream& err);

}  // namespace skintools
