#include "encoder/ffmpeg_log.h"

#include <gtest/gtest.h>

#include <sstream>

namespace encoder {
namespace {

// The log of a conversion by the FFmpeg the encoder carries (5.1), as
// written with -loglevel level+info.
constexpr char kConversionLog[] =
    R"([warning] Guessed Channel Layout for Input Stream #0.1 : stereo
[info] Input #0, avi, from 'Z:\in\clip.avi':
[info]   Metadata:
[info]     software        : Lavf59.27.100
[info]   Duration: 00:00:05.00, start: 0.000000, bitrate: 1653 kb/s
[info]   Stream #0:0: Video: mpeg4 (Simple Profile) (FMP4 / 0x34504D46), yuv420p, 320x240 [SAR 1:1 DAR 4:3], 214 kb/s, 25 fps, 25 tbr, 25 tbn
[info]   Stream #0:1: Audio: pcm_s16le ([1][0][0][0] / 0x0001), 44100 Hz, stereo, s16, 1411 kb/s
[info] Stream mapping:
[info]   Stream #0:0 -> #0:0 (mpeg4 (native) -> h263 (native))
[info]   Stream #0:1 -> #0:1 (pcm_s16le (native) -> amr_nb (libopencore_amrnb))
[info] Press [q] to stop, [?] for help
[h263 @ 01af0580] [info] impossible bitrate constraints, this will fail
[info] Output #0, 3gp, to 'Z:\out\clip.3gp.77.partial':
[info]   Metadata:
[info]     software        : Lavf59.27.100
[info]     encoder         : Lavf59.27.100
[info]   Stream #0:0: Video: h263 (s263 / 0x33363273), yuv420p(tv, progressive), 176x144 [SAR 12:11 DAR 4:3], q=2-31, 120 kb/s, 14.99 fps, 15k tbn
[info]     Metadata:
[info]       encoder         : Lavc59.37.100 h263
[info]     Side data:
[info]       cpb: bitrate max/min/avg: 120000/0/120000 buffer size: 120000 vbv_delay: N/A
[info]   Stream #0:1: Audio: amr_nb (samr / 0x726D6173), 8000 Hz, mono, s16, 12 kb/s
[info]     Metadata:
[info]       encoder         : Lavc59.37.100 libopencore_amrnb
[h263 @ 01af0580] [info] warning, clipping 1 dct coefficients to -127..127
[info] frame=   75 fps=0.0 q=8.3 Lsize=      91kB time=00:00:05.01 bitrate= 148.9kbits/s speed=9.51x    
[info] video:81kB audio:8kB subtitle:0kB other streams:0kB global headers:0kB muxing overhead: 2.977662%
)";

std::string Filtered(FfmpegLog& log, const std::string& text) {
  std::string shown;
  std::istringstream input(text);
  for (std::string line; std::getline(input, line);) {
    if (auto kept = log.Filter(line)) {
      shown += *kept + "\n";
    }
  }
  return shown;
}

FfmpegLog LogForClip() {
  return FfmpegLog("Z:\\out\\clip.3gp", "h263, 176x144, 120 kb/s, 14.985 fps(r)",
                   "amr_nb, 8000 Hz, mono, 12.2 kb/s");
}

TEST(FfmpegLog, ShowsInputOutputAndWarningsOnly) {
  FfmpegLog log = LogForClip();
  EXPECT_EQ(Filtered(log, kConversionLog),
            R"(Guessed Channel Layout for Input Stream #0.1 : stereo
Input #0, avi, from 'Z:\in\clip.avi':
  Metadata:
    software        : Lavf59.27.100
  Duration: 00:00:05.0, start: 0.000000, bitrate: 1653 kb/s
  Stream #0:0: Video: mpeg4 (Simple Profile) (FMP4 / 0x34504D46), yuv420p, 320x240 [SAR 1:1 DAR 4:3], 214 kb/s, 25 fps, 25 tbr, 25 tbn
  Stream #0:1: Audio: pcm_s16le ([1][0][0][0] / 0x0001), 44100 Hz, stereo, s16, 1411 kb/s
Output #0, 3gp, to 'Z:\out\clip.3gp':
  Stream #0:0: Video: h263, 176x144, 120 kb/s, 14.985 fps(r)
  Stream #0:1: Audio: amr_nb, 8000 Hz, mono, 12.2 kb/s
)");
  EXPECT_EQ(log.LastError(), "");
}

TEST(FfmpegLog, KeepsTheLastErrorWithoutTags) {
  FfmpegLog log = LogForClip();
  const std::string shown = Filtered(log,
                                     "[avi @ 05006940] [warning] Format avi detected only with low "
                                     "score of 1, misdetection possible!\n"
                                     "[error] Z:\\in\\bad.avi: Invalid data found when processing "
                                     "input\n"
                                     "[info] Conversion failed!\n");
  EXPECT_EQ(shown,
            "[avi @ 05006940] Format avi detected only with low score of 1, misdetection "
            "possible!\n"
            "Z:\\in\\bad.avi: Invalid data found when processing input\n");
  EXPECT_EQ(log.LastError(), "Z:\\in\\bad.avi: Invalid data found when processing input");

  Filtered(log,
           "[libopencore_amrnb @ 050151c0] [error] Only 8000Hz sample rate supported\n"
           "[fatal] Error initializing output stream 0:1\n"
           "  continued without tags\n");
  EXPECT_EQ(log.LastError(), "  continued without tags");
}

// Where the frame size needs more than the bitrate, the rate control
// complains for every frame; that shows once, and other warnings as usual.
TEST(FfmpegLog, RateControlComplaintShowsOnce) {
  FfmpegLog log = LogForClip();
  std::string frames;
  for (int frame = 0; frame < 3; ++frame) {
    frames +=
        "[h263 @ 0521adc0] [error] rc buffer underflow\n"
        "[h263 @ 0521adc0] [error] max bitrate possibly too small or try trellis with large "
        "lmax or increase qmax\n"
        "    Last message repeated 1 times\n";
  }
  EXPECT_EQ(Filtered(log, frames + "[aac @ 05006940] [warning] Too many bits per frame\n" + frames),
            "libm9s: note: the video needs more than the bitrate asked for at this frame size; "
            "it is coded as small as H.263 allows\n"
            "[aac @ 05006940] Too many bits per frame\n");
  EXPECT_EQ(log.LastError(), "");
}

TEST(FfmpegLog, DurationsAreRoundedToTenths) {
  const std::pair<const char*, const char*> cases[] = {
      {"  Duration: 00:00:05.00, start: 0.000000", "  Duration: 00:00:05.0, start: 0.000000"},
      {"  Duration: 00:00:05.47, start: 0.0", "  Duration: 00:00:05.5, start: 0.0"},
      {"  Duration: 00:00:04.96, start: 0.0", "  Duration: 00:00:05.0, start: 0.0"},
      {"  Duration: 00:59:59.97, start: 0.0", "  Duration: 01:00:00.0, start: 0.0"},
      {"  Duration: 12:03:07.04, start: 0.0", "  Duration: 12:03:07.0, start: 0.0"},
      {"  Duration: N/A, start: 0.0", "  Duration: N/A, start: 0.0"},
      {"  Duration: 00:00:05, start: 0.0", "  Duration: 00:00:05.0, start: 0.0"},
      // What no FFmpeg writes comes back as it is: found by the fuzzer,
      // seconds past what a count of tenths holds.
      {"  Duration: 00:00:0522222222222222222222222.00, start: 0.0",
       "  Duration: 00:00:0522222222222222222222222.00, start: 0.0"},
      {"  Duration: 99999999999:00:00.00, start: 0.0",
       "  Duration: 99999999999:00:00.00, start: 0.0"},
      {"  Duration: 00:00:5e3, start: 0.0", "  Duration: 00:00:5e3, start: 0.0"},
      {"  Duration: -1:00:00.00, start: 0.0", "  Duration: -1:00:00.00, start: 0.0"},
  };
  for (const auto& [line, rounded] : cases) {
    EXPECT_EQ(DurationInTenths(line), rounded);
  }
}

}  // namespace
}  // namespace encoder
