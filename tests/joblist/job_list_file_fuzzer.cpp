// libFuzzer target: arbitrary bytes as the kept job list. Reading never
// fails, and a list read back is written and read again unchanged, so the
// program never keeps a list it would read otherwise at the next start.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "joblist/job_list_file.h"

namespace {

bool SameEntries(const std::vector<joblist::JobEntry>& a, const std::vector<joblist::JobEntry>& b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (size_t i = 0; i < a.size(); ++i) {
    const joblist::EntryStatus& x = a[i].status;
    const joblist::EntryStatus& y = b[i].status;
    if (a[i].path != b[i].path || x.state != y.state || x.percent != y.percent ||
        x.outputBytes != y.outputBytes || x.reason != y.reason) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<joblist::JobEntry> entries =
      joblist::ParseJobListFile(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const joblist::JobEntry& entry : entries) {
    if (entry.path.empty() || entry.status.state == joblist::EntryState::Converting) {
      __builtin_trap();
    }
  }
  if (!SameEntries(entries, joblist::ParseJobListFile(joblist::FormatJobListFile(entries)))) {
    __builtin_trap();
  }
  return 0;
}
