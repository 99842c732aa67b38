#include "encoder/ffmpeg_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace encoder {
namespace {

EncoderRequest DefaultRequest() {
  return ParseCommandLine(
      "libm9s -i in.avi  -f 3gp -b 120 -r 14.98 -s 176x144 -ar 8000 -ab 32 -ac 1 -y out.3gp");
}

// The value that follows an option in FFmpeg's arguments; empty if absent.
std::string ValueOf(const FfmpegPlan& plan, const std::string& option) {
  const auto found = std::find(plan.arguments.begin(), plan.arguments.end(), option);
  return found == plan.arguments.end() || found + 1 == plan.arguments.end() ? "" : *(found + 1);
}

// The frame rate, then the picture scaled to fit 176x144 of 12:11 pixels
// (4:3 shown) and centred on black.
constexpr char kFitted176x144[] =
    "fps=15000/1001,scale=w='min(176,2*round(144*dar*11/24))':h='min(144,2*round(176*12/"
    "(22*dar)))',pad=176:144:(ow-iw)/2:(oh-ih)/2,setsar=12/11";

TEST(FfmpegPlan, DefaultRequestGivesH263AndAac) {
  const FfmpegPlan plan =
      PlanConversion(DefaultRequest(), "C:\\in put.avi", "D:\\out.3gp.7.partial");
  const std::vector<std::string> expected = {
      "-hide_banner", "-nostats", "-loglevel", "level+info",
      "-progress",    "pipe:1",   "-i",        "C:\\in put.avi",
      "-sn",          "-dn",      "-c:v",      "h263",
      "-b:v",         "120k",     "-maxrate",  "120k",
      "-bufsize",     "120k",     "-vf",       kFitted176x144,
      "-c:a",         "aac",      "-b:a",      "32k",
      "-ar",          "8000",     "-ac",       "1",
      "-f",           "3gp",      "-y",        "D:\\out.3gp.7.partial"};
  EXPECT_EQ(plan.arguments, expected);
  EXPECT_TRUE(plan.notes.empty());
  EXPECT_EQ(plan.videoDescription, "h263, 176x144 [SAR 12:11 DAR 4:3], 120 kb/s, 14.985 fps(r)");
  EXPECT_EQ(plan.audioDescription, "aac (LC), 8000 Hz, mono, 32 kb/s");
}

TEST(FfmpegPlan, TuningGoesBeforeTheInputAndAfterTheVideoFilters) {
  const FfmpegTuning tuning{{"-lowres:v", "1"}, {"-g", "75"}};
  const std::vector<std::string> arguments =
      PlanConversion(DefaultRequest(), "in.avi", "out", tuning).arguments;
  const auto at = [&](const char* word) {
    return std::find(arguments.begin(), arguments.end(), word) - arguments.begin();
  };
  EXPECT_EQ(at("-lowres:v") + 2, at("-i"));
  EXPECT_EQ(at("-vf") + 2, at("-g"));
  EXPECT_EQ(at("-g") + 2, at("-c:a"));
}

TEST(FfmpegPlan, FrameRatesBecomeExactRates) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"14.98", "fps=15000/1001,", "14.985 fps(r)"},
      {"23.98", "fps=24000/1001,", "23.976 fps(r)"},
      {"25.00", "fps=25,", "25 fps(r)"},
      {"29.97", "fps=30000/1001,", "29.97 fps(r)"},
      {"12.5", "fps=12.5,", "12.5 fps(r)"},
  };
  for (const auto& [rate, filter, described] : cases) {
    EncoderRequest request = DefaultRequest();
    request.frameRate = rate;
    const FfmpegPlan plan = PlanConversion(request, "in", "out");
    // The rate goes first, so that the frames it drops are not scaled.
    EXPECT_EQ(ValueOf(plan, "-vf").rfind(filter, 0), 0u) << rate;
    EXPECT_NE(plan.videoDescription.find(std::string(", ") + described), std::string::npos)
        << plan.videoDescription;
  }
}

TEST(FfmpegPlan, AudioCodecFollowsTheRequestedBitrate) {
  struct Case {
    int bitrate, sampleRate, channels;
    const char* codec;
    const char* codedBitrate;
    bool noted;
  };
  const Case cases[] = {
      {12, 8000, 1, "libopencore_amrnb", "12200", false},
      {16, 8000, 1, "aac", "16k", false},
      {48, 8000, 1, "aac", "48k", false},
      {96, 8000, 1, "aac", "48k", true},  // AAC's ceiling at 8000 Hz mono
      {320, 8000, 2, "aac", "96k", true},
      {320, 44100, 2, "aac", "320k", false},
      {12, 16000, 1, "aac", "12k", true},  // AMR-NB takes 8000 Hz mono only
  };
  for (const Case& c : cases) {
    EncoderRequest request = DefaultRequest();
    request.audioBitrate = c.bitrate;
    request.sampleRate = c.sampleRate;
    request.channels = c.channels;
    // The AAC encoder's options go with AAC only: AMR-NB has none of them.
    FfmpegTuning tuning;
    tuning.aac = {"-aac_coder", "fast"};
    const FfmpegPlan plan = PlanConversion(request, "in", "out", tuning);
    EXPECT_EQ(ValueOf(plan, "-c:a"), c.codec) << c.bitrate;
    EXPECT_EQ(ValueOf(plan, "-aac_coder"), std::string(c.codec) == "aac" ? "fast" : "")
        << c.bitrate;
    EXPECT_EQ(ValueOf(plan, "-b:a"), c.codedBitrate) << c.bitrate;
    EXPECT_EQ(ValueOf(plan, "-ar"), std::to_string(c.sampleRate));
    EXPECT_EQ(ValueOf(plan, "-ac"), std::to_string(c.channels));
    EXPECT_EQ(plan.notes.size(), c.noted ? 1u : 0u) << c.bitrate;
  }
}

TEST(FfmpegPlan, ClampNoteNamesBothBitrates) {
  EncoderRequest request = DefaultRequest();
  request.audioBitrate = 96;
  const FfmpegPlan plan = PlanConversion(request, "in", "out");
  ASSERT_EQ(plan.notes.size(), 1u);
  EXPECT_EQ(plan.notes[0],
            "AAC allows at most 48 kbit/s at 8000 Hz, mono; the audio is coded at 48 kbit/s "
            "instead of 96");
  EXPECT_EQ(plan.audioDescription, "aac (LC), 8000 Hz, mono, 48 kb/s");
}

// H.263's frames have pixels 12:11 wide: the standard sizes show 4:3, but
// for the smallest, 16:11. The picture is padded to the frame's size, which
// no -s scales again.
TEST(FfmpegPlan, EveryH263SizeIsFittedAndNoOther) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"128x96", ",pad=128:96:", "h263, 128x96 [SAR 12:11 DAR 16:11], "},
      {"176x144", ",pad=176:144:", "h263, 176x144 [SAR 12:11 DAR 4:3], "},
      {"352x288", ",pad=352:288:", "h263, 352x288 [SAR 12:11 DAR 4:3], "},
      {"704x576", ",pad=704:576:", "h263, 704x576 [SAR 12:11 DAR 4:3], "},
      {"1408x1152", ",pad=1408:1152:", "h263, 1408x1152 [SAR 12:11 DAR 4:3], "},
  };
  for (const auto& [size, padded, described] : cases) {
    EncoderRequest request = DefaultRequest();
    request.frameSize = size;
    const FfmpegPlan plan = PlanConversion(request, "in", "out");
    EXPECT_NE(ValueOf(plan, "-vf").find(padded), std::string::npos) << size;
    EXPECT_EQ(ValueOf(plan, "-s"), "") << size;
    EXPECT_EQ(plan.videoDescription.rfind(described, 0), 0u) << plan.videoDescription;
  }
  EncoderRequest request = DefaultRequest();
  request.frameSize = "320x240";
  EXPECT_THROW(PlanConversion(request, "in", "out"), CommandLineError);
}

// Without a frame size the picture keeps its own frame and pixel shape.
TEST(FfmpegPlan, NoFrameSizeKeepsThePicture) {
  EncoderRequest request = DefaultRequest();
  request.frameSize = "";
  const FfmpegPlan plan = PlanConversion(request, "in", "out");
  EXPECT_EQ(ValueOf(plan, "-vf"), "fps=15000/1001");
  EXPECT_EQ(plan.videoDescription, "h263, 120 kb/s, 14.985 fps(r)");
}

TEST(FfmpegPlan, OnlyThe3gpFormatIsMade) {
  EncoderRequest request = DefaultRequest();
  request.format = "mp4";
  EXPECT_THROW(PlanConversion(request, "in", "out"), CommandLineError);
}

}  // namespace
}  // namespace encoder
