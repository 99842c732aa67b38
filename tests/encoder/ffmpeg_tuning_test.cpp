#include "encoder/ffmpeg_tuning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace encoder {
namespace {

EncoderRequest Request(const std::string& frameSize, const std::string& frameRate = "14.98") {
  EncoderRequest request;
  request.format = "3gp";
  request.frameSize = frameSize;
  request.frameRate = frameRate;
  return request;
}

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) {
    text += (text.empty() ? "" : " ") + word;
  }
  return text;
}

// The value after an option; empty if absent.
std::string ValueOf(const std::vector<std::string>& words, const std::string& option) {
  const auto found = std::find(words.begin(), words.end(), option);
  return found == words.end() || found + 1 == words.end() ? "" : *(found + 1);
}

TEST(FfmpegTuning, DecoderAndScalerFollowHowMuchSmallerTheOutputIs) {
  struct Case {
    VideoCodec codec;
    int width, height;
    const char* frameSize;
    const char* decoding;
    const char* scaler;  // empty: FFmpeg's default
  };
  const Case cases[] = {
      // Reduced size: the largest that stays at least the output's size.
      {VideoCodec::kMpeg4, 640, 480, "176x144", "-lowres:v 1 -xerror", ""},
      {VideoCodec::kMpegVideo, 720, 576, "176x144", "-lowres:v 2 -xerror", ""},
      {VideoCodec::kMpegVideo, 720, 576, "352x288", "-lowres:v 1 -xerror", ""},
      {VideoCodec::kMpegVideo, 1920, 1080, "128x96", "-lowres:v 3 -xerror", ""},
      {VideoCodec::kMotionJpeg, 1408, 1152, "176x144", "-lowres:v 3 -xerror", ""},
      {VideoCodec::kH263, 352, 288, "176x144", "-lowres:v 1 -xerror", ""},
      {VideoCodec::kDv, 720, 576, "128x96", "-lowres:v 2 -xerror", ""},
      {VideoCodec::kMpeg4, 351, 288, "176x144", "", ""},
      {VideoCodec::kMpegVideo, 720, 576, "704x576", "", ""},
      // The loop filter goes from three times the output's size on.
      {VideoCodec::kH264, 1920, 1080, "176x144", "-skip_loop_filter:v all -xerror", "bilinear"},
      {VideoCodec::kHevc, 640, 480, "176x144", "-skip_loop_filter:v all -xerror", "bilinear"},
      {VideoCodec::kVp8, 528, 432, "176x144", "-skip_loop_filter:v all -xerror", "bilinear"},
      {VideoCodec::kH264, 527, 432, "176x144", "", "bilinear"},
      {VideoCodec::kH264, 1280, 720, "704x576", "", ""},
      // Codecs with no decoder shortcut still get the faster scaler.
      {VideoCodec::kOther, 1280, 720, "176x144", "", "bilinear"},
      {VideoCodec::kOther, 352, 287, "176x144", "", ""},
      // Nothing without an output size.
      {VideoCodec::kMpeg4, 1920, 1080, "", "", ""},
  };
  for (const Case& c : cases) {
    const FfmpegTuning tuning = ChooseTuning({c.codec, c.width, c.height}, Request(c.frameSize));
    const std::string name = std::to_string(c.width) + "x" + std::to_string(c.height) + " to " +
                             c.frameSize + ", codec " + std::to_string(static_cast<int>(c.codec));
    EXPECT_EQ(Joined(tuning.decoding), c.decoding) << name;
    EXPECT_EQ(ValueOf(tuning.video, "-sws_flags"), c.scaler) << name;
  }
}

// A header not read (another container, damage) or a size that was not
// whole: FFmpeg runs with the plain command, which takes any input.
TEST(FfmpegTuning, AnInputOfUnknownSizeGetsThePlainCommand) {
  for (const InputVideo& input : {InputVideo{}, InputVideo{VideoCodec::kH264, 0, 0},
                                  InputVideo{VideoCodec::kMpeg4, 640, 0}}) {
    EXPECT_TRUE(ChooseTuning(input, Request("176x144")).Empty());
  }
}

TEST(FfmpegTuning, KeyframesComeEveryFiveSeconds) {
  const std::pair<const char*, const char*> cases[] = {
      {"14.98", "75"}, {"23.98", "120"}, {"25.00", "125"}, {"29.97", "150"}, {"0.1", "1"}};
  for (const auto& [rate, interval] : cases) {
    const FfmpegTuning tuning =
        ChooseTuning({VideoCodec::kOther, 176, 144}, Request("176x144", rate));
    EXPECT_EQ(ValueOf(tuning.video, "-g"), interval) << rate;
  }
}

}  // namespace
}  // namespace encoder
