// The figures below were measured with the carried FFmpeg under Wine,
// converting 20-second pans over a textured picture to 176x144 at
// 120 kbit/s (tests/encoder/speed_benchmark.sh); SSIM against the same
// input converted at 3,000 kbit/s.
#include "encoder/ffmpeg_tuning.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace encoder {

namespace {

struct Size {
  int width = 0;
  int height = 0;
};

// Seconds between keyframes. FFmpeg's default of 12 frames spends a large
// part of the bits on keyframes: one every 5 seconds gave SSIM 0.025 more
// at the same size, and phones still seek to within a few seconds.
constexpr double kKeyframeSeconds = 5;

// The decoders of these codecs can put out the picture at a half, a
// quarter or an eighth of its size (FFmpeg's lowres), decoding less.
bool DecodesAtReducedSize(VideoCodec codec) {
  return codec == VideoCodec::kMpegVideo || codec == VideoCodec::kMpeg4 ||
         codec == VideoCodec::kH263 || codec == VideoCodec::kMotionJpeg || codec == VideoCodec::kDv;
}

// The decoders of these codecs can leave out their in-loop deblocking.
bool SkipsLoopFilter(VideoCodec codec) {
  return codec == VideoCodec::kH264 || codec == VideoCodec::kHevc || codec == VideoCodec::kVp8;
}

bool AtLeast(const Size& source, int times, const Size& output) {
  return source.width >= times * output.width && source.height >= times * output.height;
}

// The largest reduction (1 for half size, up to 3) that keeps the decoded
// picture at least as large as the output, so that nothing is scaled up;
// 0 for none.
int ReducedSizeLevel(const Size& source, const Size& output) {
  int level = 0;
  while (level < 3 && AtLeast(source, 2 << level, output)) {
    ++level;
  }
  return level;
}

void ChooseDecoding(const Size& source, VideoCodec codec, const Size& output,
                    FfmpegTuning& tuning) {
  Size decoded = source;
  const int level = DecodesAtReducedSize(codec) ? ReducedSizeLevel(source, output) : 0;
  if (level > 0) {
    // MPEG-4 from 640x480 at half size: 22% less time, same SSIM; MPEG-2
    // from 720x576 at a quarter: a third less time, SSIM 0.005 less.
    tuning.decoding.insert(tuning.decoding.end(), {"-lowres:v", std::to_string(level)});
    decoded = {source.width >> level, source.height >> level};
  }
  if (SkipsLoopFilter(codec) && AtLeast(source, 3, output)) {
    // H.264 from 640x480 to 1920x1080: 13-20% less time, the same SSIM;
    // from 352x288 (twice the output) the blocks begin to show.
    tuning.decoding.insert(tuning.decoding.end(), {"-skip_loop_filter:v", "all"});
  }
  if (AtLeast(decoded, 2, output)) {
    // Reducing to half or less, the bilinear filter is as sharp as the
    // default bicubic one at half its taps: 10% less time from 720p.
    tuning.video.insert(tuning.video.end(), {"-sws_flags", "bilinear"});
  }
  if (!tuning.decoding.empty()) {
    // A decoder that refuses an option (lowres on lossless JPEG) fails
    // every frame, and FFmpeg would end well with no picture; this way it
    // stops at once, and the encoder converts the file again without these
    // options. A damaged frame stops it too: a damaged file costs a second
    // run, but comes out as the plain command makes it.
    tuning.decoding.push_back("-xerror");
  }
}

std::optional<Size> ParseSize(const std::string& text) {
  Size size;
  char end = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &size.width, &size.height, &end) != 2 ||
      size.width <= 0 || size.height <= 0) {
    return std::nullopt;
  }
  return size;
}

}  // namespace

FfmpegTuning ChooseTuning(const InputVideo& input, const EncoderRequest& request) {
  FfmpegTuning tuning;
  // An input whose header was not read may be anything: FFmpeg gets the
  // plain command, which it takes for every input.
  if (input.width <= 0 || input.height <= 0) {
    return tuning;
  }
  if (const std::optional<Size> output = ParseSize(request.frameSize)) {
    ChooseDecoding({input.width, input.height}, input.codec, *output, tuning);
  }
  const long keyframeInterval =
      std::lround(std::atof(request.frameRate.c_str()) * kKeyframeSeconds);
  // Macroblock modes chosen by the bits and distortion they give (about
  // the same time as FFmpeg's default). Measured and left out: trellis
  // quantisation, SSIM 0.004 more for 15-30% more time on the smaller
  // inputs, and motion search by transformed differences, 0.001 more for
  // 7% more time.
  // With keyframes this rare an easy picture (a still, a test pattern)
  // reaches FFmpeg's finest quantiser, 2, well under the bitrate; the
  // finest H.263 has, 1 (a lambda of 118), keeps it at the bitrate asked
  // for. FFmpeg codes keyframes at 3 at the finest.
  tuning.video.insert(tuning.video.end(), {"-g", std::to_string(std::max(keyframeInterval, 1L)),
                                           "-mbd", "rd", "-qmin", "1", "-lmin", "118"});
  // The AAC encoder's fast coder: 0.07-0.1 s less on 20 seconds, a tenth
  // of a conversion from 640x480, at 33 kbit/s where 32 are asked for.
  tuning.aac = {"-aac_coder", "fast"};
  return tuning;
}

}  // namespace encoder
