#pragma once

#include <string>

namespace encoder {

// Removes the files "<prefix><process id><suffix>" in the folder (which ends
// in a backslash) whose process no longer runs: files an encoder works on
// under its own process id and removes itself, unless it was ended by
// force. A file whose process still runs is left alone.
void RemoveLeftovers(const std::string& folder, const std::string& prefix,
                     const std::string& suffix);

}  // namespace encoder
