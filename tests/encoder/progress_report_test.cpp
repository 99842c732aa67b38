#include "encoder/progress_report.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace encoder {
namespace {

// Two blocks as FFmpeg 4.1 writes them with -progress.
constexpr char kProgress[] =
    "frame=41\nfps=0.00\nstream_0_0_q=3.5\nstream_0_1_q=-1.0\nbitrate= 150.3kbits/s\n"
    "total_size=51200\nout_time_us=2733333\nout_time_ms=2733333\nout_time=00:00:02.733333\n"
    "dup_frames=0\ndrop_frames=27\nspeed=5.47x\nprogress=continue\n"
    "frame=77\nfps=0.00\nstream_0_0_q=2.0\nbitrate= 204.5kbits/s\ntotal_size=129626\n"
    "out_time_us=5071800\nout_time_ms=5071800\nout_time=00:00:05.071800\ndup_frames=0\n"
    "drop_frames=48\nspeed=81.3x\nprogress=end\n";

std::vector<std::string> Report(const std::string& text, bool* ended = nullptr) {
  ProgressReport report;
  std::vector<std::string> lines;
  std::istringstream input(text);
  for (std::string line; std::getline(input, line);)
    if (auto progress = report.Add(line))
      lines.push_back(*progress);
  if (ended)
    *ended = report.Ended();
  return lines;
}

TEST(ProgressReport, EachBlockGivesOneConsoleLine) {
  bool ended = false;
  const std::vector<std::string> lines = Report(kProgress, &ended);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0],
            "frame=   41 q=3.5 size=      50kB time=00:00:02.73 bitrate=150.3kbits/s speed=5.47x");
  EXPECT_EQ(lines[1],
            "frame=   77 q=2.0 size=     126kB time=00:00:05.07 bitrate=204.5kbits/s speed=81.3x");
  EXPECT_TRUE(ended);
}

TEST(ProgressReport, OnlyTheFrameCountStandsBeforeQ) {
  // Values FFmpeg writes before the first packet, and a run without video.
  const std::string odd =
      "frame=0\nfps=0.00\nbitrate=N/A\ntotal_size=N/A\nout_time=-577014:32:22.775808\n"
      "speed=N/A\nprogress=continue\n"
      "frame=123456\nstream_0_0_q=31.0\nprogress=continue\n";
  const std::regex shape("frame= *[0-9]+ q=[^ ]+ .*");
  for (const std::string& line : Report(std::string(kProgress) + odd))
    EXPECT_TRUE(std::regex_match(line, shape)) << line;
  EXPECT_EQ(Report(odd)[0],
            "frame=    0 q=0.0 size=       N/A time=00:00:00.00 bitrate=N/A speed=N/A");
}

}  // namespace
}  // namespace encoder
