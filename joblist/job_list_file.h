#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "joblist/job_entry.h"

namespace joblist {

// The job list as the program keeps it between sessions, in UTF-8:
//
//   Vexmoor job list 1                      the format and its version
//   done<TAB>48213<TAB><TAB>C:\v\a.avi      one line per entry: the state's
//   failed<TAB>0<TAB>reason<TAB>C:\v\b.avi  name, the output's size in bytes,
//   ...                                     the reason, the path
//   end<TAB>2                               the number of entries
//
// Every line ends in a line feed. In the reason and the path a backslash,
// tab, line feed or carriage return is written \\, \t, \n or \r, so any
// text keeps its line. An entry's percentage is not kept: an entry that
// was converting converts again from its start.
std::string FormatJobListFile(const std::vector<JobEntry>& entries);

// The entries of such a file. An entry kept as converting comes back
// Interrupted: the program or the machine stopped while it converted.
// Anything else than a whole file of this version (nothing, a file cut
// short, damaged or of another version) gives an empty list: the file is
// a convenience and never a reason to stop.
std::vector<JobEntry> ParseJobListFile(std::string_view bytes);

}  // namespace joblist
