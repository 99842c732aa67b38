#include "conversion/encoder_output.h"

#include <gtest/gtest.h>

namespace conversion {
namespace {

TEST(ExtractBetween, TakesTheLastEndMarkerAndTheNearestStartBeforeIt) {
  struct Case {
    const char* start;
    const char* end;
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"frame=", "q=", "frame=  10 q=1\rframe=  20 q=2\r", "  20 "},
      {"frame=", "q=", "Stream: h263, q=2-31, 120 kb/s", ""},  // no start before the end
      {"frame=", "q=", "q=2 frame= 5", ""},                    // start only after the end
      {"Duration:", ", start:", "  Duration: 00:02:05.3, start: 0.0", " 00:02:05.3"},
      {"a", "b", "", ""},
      {"ab", "bc", "abc", ""},  // the start marker must end before the end marker begins
      {"ab", "bc", "abbc", ""},
      {"ab", "bc", "abxbc", "x"},
      {", ", " fps(r)", "yuv420p, 176x144, 14.99 fps(r)", "14.99"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractBetween(c.start, c.end, c.text), c.expected) << c.text;
  }
}

TEST(SplitText, DropsEmptyPieces) {
  using Pieces = std::vector<std::string>;
  EXPECT_EQ(SplitText("00:01:23.4", "."), (Pieces{"00:01:23", "4"}));
  EXPECT_EQ(SplitText("00:01:23.", "."), (Pieces{"00:01:23"}));
  EXPECT_EQ(SplitText("..a..b..", "."), (Pieces{"a", "b"}));
  EXPECT_EQ(SplitText("", "."), Pieces{});
  EXPECT_EQ(SplitText("a<>b<>", "<>"), (Pieces{"a", "b"}));
}

const char kHeader[] =
    "Input #0, avi, from 'clip.avi':\r\n  Duration: 00:02:05.3, start: 0.000000, bitrate: 1 "
    "kb/s\r\n"
    "    Stream #0:0: Video: h263, yuv420p, 176x144, 25.00 fps(r)\r\n";

TEST(ParseEncoderOutput, WorkedExample) {
  EncoderProgressState state;
  auto first = ParseEncoderOutput(kHeader, state);
  ASSERT_TRUE(first);
  EXPECT_EQ(state.durationSeconds, 125);
  EXPECT_EQ(state.frameRate, 25.0);
  EXPECT_EQ(first->total, 3125);
  EXPECT_EQ(first->position, 0);

  auto later = ParseEncoderOutput("frame=  900 fps= 50 q=2.0 size=1kB\rframe= 1000 q=2.0\r", state);
  ASSERT_TRUE(later);
  EXPECT_EQ(later->frameCount, 1000);
  EXPECT_EQ(later->position, 32);
  EXPECT_EQ(FormatProgressStatus("Converting %s", 1, 3, "clip.avi", *later),
            "Converting 2/3 clip.avi  [1000/3125]");
}

TEST(ParseEncoderOutput, DurationFields) {
  struct Case {
    const char* duration;
    double expectedSeconds;  // 0: the event ends and the kept value stays
  };
  const Case cases[] = {
      {"01:00:00.9", 3600}, {"00:00:05.47", 9}, {"00:01:23.4", 83}, {"N/A", 0},
      {"00:00:05", 0},      {"00:05.4", 0},     {"00:0x:05.4", 0},
  };
  for (const Case& c : cases) {
    EncoderProgressState state{42, 10};
    const std::string text = std::string("Duration: ") + c.duration + ", start: 0";
    const auto progress = ParseEncoderOutput(text, state);
    if (c.expectedSeconds == 0) {
      EXPECT_FALSE(progress) << c.duration;
      EXPECT_EQ(state.durationSeconds, 42) << c.duration;
    } else {
      ASSERT_TRUE(progress) << c.duration;
      EXPECT_EQ(state.durationSeconds, c.expectedSeconds) << c.duration;
    }
  }
}

TEST(ParseEncoderOutput, FrameCountIsClampedAndTheBarStopsAt99) {
  struct Case {
    const char* text;
    std::int64_t frameCount;
    int position;
  };
  const Case cases[] = {
      {"frame= 100 q=1", 100, 99},  // equal to the total
      {"frame= 500 q=1", 100, 99},  // beyond the total
      {"frame= 50 q=1", 50, 50},
      {"frame= 0 q=1", 0, 0},
      {"", 0, 0},                                // the final empty piece of standard output
      {"Stream: h263, q=2-31, 120 kb/s", 0, 0},  // a quantiser range is no frame count
      {"frame=  10 q=0.0\rframe=  20 q=0.0\r", 20, 20},
  };
  for (const Case& c : cases) {
    EncoderProgressState state{10, 10};
    const auto progress = ParseEncoderOutput(c.text, state);
    ASSERT_TRUE(progress) << c.text;
    EXPECT_EQ(progress->frameCount, c.frameCount) << c.text;
    EXPECT_EQ(progress->position, c.position) << c.text;
    EXPECT_EQ(progress->total, 100) << c.text;
  }
}

TEST(ParseEncoderOutput, MissingValuesFallBackToOne) {
  EncoderProgressState fresh;
  auto progress = ParseEncoderOutput("Duration: 00:00:10.0, start: 0", fresh);
  ASSERT_TRUE(progress);
  EXPECT_EQ(fresh.frameRate, 1.0);  // no frame rate read yet
  EXPECT_EQ(progress->total, 10);

  EncoderProgressState nothing;
  progress = ParseEncoderOutput("frame= 1 q=1", nothing);
  ASSERT_TRUE(progress);
  EXPECT_EQ(progress->total, 1);
  EXPECT_EQ(progress->position, 99);
}

TEST(ParseEncoderOutput, BadNumbersEndTheEventButKeepEarlierValues) {
  EncoderProgressState state{5, 5};
  EXPECT_FALSE(ParseEncoderOutput("Duration: 00:00:20.0, start: 0 x, abc fps(r)", state));
  EXPECT_EQ(state.durationSeconds, 20);  // read before the faulty frame rate
  EXPECT_EQ(state.frameRate, 5);
  EXPECT_FALSE(ParseEncoderOutput("frame= 12x q=1", state));
  EXPECT_FALSE(ParseEncoderOutput("frame= 99999999999999999999999 q=1", state));
}

TEST(ParseEncoderOutput, TotalRoundsHalfToEven) {
  EncoderProgressState state{1, 2.5};
  auto progress = ParseEncoderOutput("", state);
  ASSERT_TRUE(progress);
  EXPECT_EQ(progress->total, 2);
  state = {1, 3.5};
  EXPECT_EQ(ParseEncoderOutput("", state)->total, 4);
}

TEST(FormatWithString, OnlyTheFirstPercentSIsReplaced) {
  EXPECT_EQ(FormatWithString("Converting %s", "1/2"), "Converting 1/2");
  EXPECT_EQ(FormatWithString("No position", "1/2"), "No position");
  EXPECT_EQ(FormatWithString("%s and %s 100%% %d", "x"), "x and %s 100% %d");
  EXPECT_EQ(FormatWithString("trailing %", "x"), "trailing %");
}

TEST(FormatWithStrings, EachPercentSTakesTheNextArgument) {
  EXPECT_EQ(FormatWithStrings("%s left, %s for the run", {"0:42", "3:10"}),
            "0:42 left, 3:10 for the run");
  EXPECT_EQ(FormatWithStrings("%s %s %s 5%%", {"a", "b"}), "a b %s 5%");
  EXPECT_EQ(FormatWithStrings("%s", {"%s", "b"}), "%s");
}

}  // namespace
}  // namespace conversion
