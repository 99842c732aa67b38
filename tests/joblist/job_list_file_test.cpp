#include "joblist/job_list_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "tests/support/unicode_names.h"

namespace joblist {

void PrintTo(const JobEntry& entry, std::ostream* out) {
  *out << "{" << static_cast<int>(entry.status.state) << ", " << entry.status.percent << "%, "
       << entry.status.outputBytes << " bytes, \"" << entry.status.reason << "\", \"" << entry.path
       << "\"}";
}

bool operator==(const JobEntry& a, const JobEntry& b) {
  return a.path == b.path && a.status.state == b.status.state &&
         a.status.percent == b.status.percent && a.status.outputBytes == b.status.outputBytes &&
         a.status.reason == b.status.reason;
}

namespace {

JobEntry Entry(std::string path, EntryState state, std::uint64_t outputBytes = 0,
               std::string reason = "", int percent = 0) {
  return {std::move(path), {state, percent, outputBytes, std::move(reason)}};
}

// An entry whose texts hold every character the format must write in
// another form, and every state.
std::vector<JobEntry> EveryKindOfEntry() {
  std::vector<JobEntry> entries = {
      Entry("C:\\Video\\waiting.avi", EntryState::Waiting),
      Entry("C:\\Video\\done.avi", EntryState::Done, std::numeric_limits<std::uint64_t>::max()),
      Entry("C:\\Video\\failed.avi", EntryState::Failed, 0,
            "FFmpeg failed:\r\nline two\tcolumn\\n not a line end\\"),
      Entry("\\\\server\\share\\tab\tin\tname.avi", EntryState::Stopped),
      Entry("C:\\end\\with\\backslash\\", EntryState::Skipped),
      Entry("C:\\Video\\interrupted.avi", EntryState::Interrupted),
      Entry("C:\\line\nfeed\rreturn.avi", EntryState::Done, 42),
  };
  for (const char* name : test_support::kUnicodeNames) {
    entries.push_back(Entry(std::string("C:\\") + name + "\\" + name + ".mp4", EntryState::Failed,
                            0, std::string("reason in ") + name));
  }
  return entries;
}

TEST(JobListFile, EveryEntryComesBackAsItWas) {
  const std::vector<std::vector<JobEntry>> lists = {{}, EveryKindOfEntry()};
  for (const std::vector<JobEntry>& entries : lists) {
    EXPECT_EQ(entries, ParseJobListFile(FormatJobListFile(entries)));
  }
}

// The percentage is not kept, and an entry the encoder was working on
// when the program stopped comes back as interrupted, to convert again.
TEST(JobListFile, AnEntryThatWasConvertingComesBackInterrupted) {
  const std::vector<JobEntry> kept = {
      Entry("C:\\a.avi", EntryState::Done, 1000, "", 100),
      Entry("C:\\b.avi", EntryState::Converting, 0, "", 57),
      Entry("C:\\c.avi", EntryState::Waiting),
  };
  const std::vector<JobEntry> restored = {
      Entry("C:\\a.avi", EntryState::Done, 1000),
      Entry("C:\\b.avi", EntryState::Interrupted),
      Entry("C:\\c.avi", EntryState::Waiting),
  };
  EXPECT_EQ(restored, ParseJobListFile(FormatJobListFile(kept)));
}

// Each case spoils one thing of an otherwise whole file of one entry.
TEST(JobListFile, AnythingButAWholeFileGivesAnEmptyList) {
  const std::string header = "Vexmoor job list 1\n";
  const std::string end = "end\t1\n";
  auto withEntry = [&](const std::string& line) { return header + line + "\n" + end; };
  ASSERT_EQ(1u, ParseJobListFile(withEntry("done\t5\t\tC:\\\\a.avi")).size());

  const std::pair<const char*, std::string> cases[] = {
      {"nothing", ""},
      {"a line end", "\n"},
      {"the header alone", header},
      {"no end line", header + "done\t5\t\tC:\\\\a.avi\n"},
      {"no line end after the end line", header + "done\t5\t\tC:\\\\a.avi\nend\t1"},
      {"another version", "Vexmoor job list 2\ndone\t5\t\tC:\\\\a.avi\n" + end},
      {"lines ended by CR LF", "Vexmoor job list 1\r\ndone\t5\t\tC:\\\\a.avi\r\nend\t1\r\n"},
      {"too few entries counted", header + "done\t5\t\tC:\\\\a.avi\nend\t0\n"},
      {"too many entries counted", header + "done\t5\t\tC:\\\\a.avi\nend\t2\n"},
      {"a line after the end", withEntry("done\t5\t\tC:\\\\a.avi") + "waiting\t0\t\tC:\\\\b.avi\n"},
      {"an unknown state", withEntry("paused\t5\t\tC:\\\\a.avi")},
      {"a state in capitals", withEntry("DONE\t5\t\tC:\\\\a.avi")},
      {"a size with a sign", withEntry("done\t+5\t\tC:\\\\a.avi")},
      {"a size with a letter", withEntry("done\t5k\t\tC:\\\\a.avi")},
      {"no size", withEntry("done\t\t\tC:\\\\a.avi")},
      {"a size above 64 bits", withEntry("done\t18446744073709551616\t\tC:\\\\a.avi")},
      {"three fields", withEntry("done\t5\tC:\\\\a.avi")},
      {"five fields", withEntry("done\t5\t\tC:\\\\a.avi\t")},
      {"no path", withEntry("done\t5\treason\t")},
      {"an unknown escape", withEntry("done\t5\t\tC:\\q.avi")},
      {"a backslash at the end", withEntry("done\t5\t\tC:\\\\a.avi\\")},
      {"a lone continuation byte", withEntry("done\t5\t\tC:\\\\\x80.avi")},
      {"an overlong form", withEntry("done\t5\t\tC:\\\\\xC0\xAF.avi")},
      {"a surrogate half", withEntry("done\t5\t\tC:\\\\\xED\xA0\x80.avi")},
      {"a character above U+10FFFF", withEntry("done\t5\t\tC:\\\\\xF4\x90\x80\x80.avi")},
      {"a sequence cut short", withEntry("done\t5\t\tC:\\\\\xE8\xA7")},
      {"a damaged reason", withEntry("failed\t0\t\xFF\tC:\\\\a.avi")},
  };
  for (const auto& [name, bytes] : cases) {
    EXPECT_TRUE(ParseJobListFile(bytes).empty()) << name;
  }
}

TEST(JobListFile, EveryFileCutShortGivesAnEmptyList) {
  const std::string whole = FormatJobListFile(EveryKindOfEntry());
  ASSERT_FALSE(ParseJobListFile(whole).empty());
  for (size_t length = 0; length < whole.size(); ++length) {
    EXPECT_TRUE(ParseJobListFile(whole.substr(0, length)).empty()) << "cut at " << length;
  }
}

}  // namespace
}  // namespace joblist
