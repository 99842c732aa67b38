#include "encoder/progress_report.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace encoder {
namespace {

// The first and the last block that the FFmpeg the encoder carries (5.1)
// writes with -progress for a conversion with AAC.
constexpr char kProgress[] =
    "frame=1\nfps=0.00\nstream_0_0_q=4.1\nbitrate=5253.7kbits/s\ntotal_size=44\n"
    "out_time_us=67\nout_time_ms=67\nout_time=00:00:00.000067\ndup_frames=0\ndrop_frames=0\n"
    "speed=0.00044x\nprogress=continue\n"
    "frame=75\nfps=0.00\nstream_0_0_q=8.3\nbitrate= 159.8kbits/s\ntotal_size=102278\n"
    "out_time_us=5120000\nout_time_ms=5120000\nout_time=00:00:05.120000\ndup_frames=0\n"
    "drop_frames=0\nspeed=5.16x\nprogress=end\n";

std::vector<std::string> Report(const std::string& text, bool* ended = nullptr) {
  ProgressReport report;
  std::vector<std::string> lines;
  std::istringstream input(text);
  for (std::string line; std::getline(input, line);) {
    if (auto progress = report.Add(line)) {
      lines.push_back(*progress);
    }
  }
  if (ended) {
    *ended = report.Ended();
  }
  return lines;
}

TEST(ProgressReport, EachBlockGivesOneConsoleLine) {
  bool ended = false;
  const std::vector<std::string> lines = Report(kProgress, &ended);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0],
            "frame=    1 q=4.1 size=       0kB time=00:00:00.00 bitrate=5253.7kbits/s "
            "speed=0.00044x");
  EXPECT_EQ(lines[1],
            "frame=   75 q=8.3 size=      99kB time=00:00:05.12 bitrate=159.8kbits/s speed=5.16x");
  EXPECT_TRUE(ended);
}

TEST(ProgressReport, OnlyTheFrameCountStandsBeforeQ) {
  // Values FFmpeg writes before the first packet, and a run without video.
  const std::string odd =
      "frame=0\nfps=0.00\nbitrate=N/A\ntotal_size=N/A\nout_time=-577014:32:22.775808\n"
      "speed=N/A\nprogress=continue\n"
      "frame=123456\nstream_0_0_q=31.0\nprogress=continue\n";
  const std::regex shape("frame= *[0-9]+ q=[^ ]+ .*");
  for (const std::string& line : Report(std::string(kProgress) + odd)) {
    EXPECT_TRUE(std::regex_match(line, shape)) << line;
  }
  EXPECT_EQ(Report(odd)[0],
            "frame=    0 q=0.0 size=       N/A time=00:00:00.00 bitrate=N/A speed=N/A");
}

}  // namespace
}  // namespace encoder
