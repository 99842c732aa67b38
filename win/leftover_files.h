#pragma once

#include <string>

namespace win {

// Removes the files "<prefix><process id><suffix>" in the folder (which ends
// in a backslash) whose process no longer runs: files a process works on
// under its own id and removes itself, unless it was ended by force. A file
// whose process still runs is left alone; a process with that id that
// started after the file was made is another one. The prefix may start
// with "*", which stands for any start of the name.
void RemoveLeftovers(const std::string& folder, const std::string& prefix,
                     const std::string& suffix);

}  // namespace win
