#pragma once

#include <cstdint>
#include <string>

namespace joblist {

// Where an entry of the job list stands.
enum class EntryState {
  Waiting,      // not converted yet, or edited since
  Converting,   // the encoder works on it now
  Done,         // converted; outputBytes holds the output's size
  Failed,       // the encoder gave up; reason holds its last word
  Stopped,      // the user stopped the run during this entry
  Skipped,      // the output existed and was kept
  Interrupted,  // the program or the machine stopped while it converted
};

struct EntryStatus {
  EntryState state = EntryState::Waiting;
  int percent = 0;                // while Converting
  std::uint64_t outputBytes = 0;  // when Done
  std::string reason;             // when Failed (UTF-8)
};

// One entry of the job list: the input's path (UTF-8) and its status.
struct JobEntry {
  std::string path;
  EntryStatus status;
};

}  // namespace joblist
