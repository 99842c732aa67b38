#include "encoder/ffmpeg_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <utility>

namespace encoder {

namespace {

const char* const kH263Sizes[] = {"128x96", "176x144", "352x288", "704x576", "1408x1152"};

// The pixels of H.263's frames are 12:11 wide, and phones show them so,
// whatever a stream says: 128x96 shows 16:11, the other sizes 4:3.
constexpr int kPixelWidth = 12;
constexpr int kPixelHeight = 11;

std::string PixelShape(const char* separator) {
  return std::to_string(kPixelWidth) + separator + std::to_string(kPixelHeight);
}

struct ExactRate {
  const char* ratio;
  double value;
};

const ExactRate kExactRates[] = {
    {"15000/1001", 15000.0 / 1001},
    {"24000/1001", 24000.0 / 1001},
    {"25", 25.0},
    {"30000/1001", 30000.0 / 1001},
};

// The command line writes rates with two decimals, so 14.98 and 14.99 both
// stand for 15000/1001.
constexpr double kRateTolerance = 0.006;

// A rate as decimal text without trailing zeros: 14.985, 23.976, 25.
std::string DecimalRate(double rate) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", rate);
  std::string decimal = text;
  decimal.erase(decimal.find_last_not_of('0') + 1);
  if (decimal.back() == '.') {
    decimal.pop_back();
  }
  return decimal;
}

void CheckFormatAndSize(const EncoderRequest& request) {
  if (request.format != "3gp") {
    throw CommandLineError("unsupported output format \"" + request.format +
                           "\" (only 3gp is made)");
  }
  if (request.frameSize.empty()) {
    return;
  }
  if (std::find(std::begin(kH263Sizes), std::end(kH263Sizes), request.frameSize) ==
      std::end(kH263Sizes)) {
    throw CommandLineError("H.263 cannot code the frame size " + request.frameSize +
                           "; it takes 128x96, 176x144, 352x288, 704x576 and 1408x1152");
  }
}

std::string ChannelsText(int channels) {
  if (channels == 1) {
    return "mono";
  }
  if (channels == 2) {
    return "stereo";
  }
  return std::to_string(channels) + " channels";
}

// The frame's width and height; its text was checked to be one of the
// H.263 sizes.
std::pair<int, int> FrameSides(const std::string& frameSize) {
  int width = 0, height = 0;
  std::sscanf(frameSize.c_str(), "%dx%d", &width, &height);
  return {width, height};
}

// The aspect the frame shows, as FFmpeg writes it: "4:3", "16:11".
std::string DisplayAspect(const std::string& frameSize) {
  const auto [width, height] = FrameSides(frameSize);
  const int shownWidth = width * kPixelWidth, shownHeight = height * kPixelHeight;
  const int divisor = std::gcd(shownWidth, shownHeight);
  return std::to_string(shownWidth / divisor) + ":" + std::to_string(shownHeight / divisor);
}

// FFmpeg's filters that fit the picture into the frame with black bars.
// FFmpeg's "dar" is the picture's shape as it is shown: its pixel shape
// taken into account, and after the turn that a phone's file asks for,
// which FFmpeg applies before these filters. The picture is scaled to the
// largest size that fits and whose sides are even, centred on black, and
// the frame marked with its own pixel shape.
std::string FitIntoFrame(const std::string& frameSize) {
  const auto [frameWidth, frameHeight] = FrameSides(frameSize);
  const std::string width = std::to_string(frameWidth), height = std::to_string(frameHeight);
  // As many frame pixels as the picture is wide at the frame's full height,
  // height * dar * 11/12, and as high at its full width, width * 12/11 /
  // dar: each halved inside round() and doubled, for an even side. The
  // side that meets the frame's edge is never short of it after rounding,
  // so a picture of the frame's own shape fills it whole.
  const std::string fittedWidth = "2*round(" + height + "*dar*" + std::to_string(kPixelHeight) +
                                  "/" + std::to_string(2 * kPixelWidth) + ")";
  const std::string fittedHeight = "2*round(" + width + "*" + std::to_string(kPixelWidth) + "/(" +
                                   std::to_string(2 * kPixelHeight) + "*dar))";
  // The quotes keep the expressions' commas from separating filters. The
  // tuning's -sws_flags reaches this scaler too: FFmpeg hands an output's
  // scaler options to every scale filter of its graph.
  return "scale=w='min(" + width + "," + fittedWidth + ")':h='min(" + height + "," + fittedHeight +
         ")',pad=" + width + ":" + height + ":(ow-iw)/2:(oh-ih)/2,setsar=" + PixelShape("/");
}

void PlanVideo(const EncoderRequest& request, const std::vector<std::string>& tuning,
               FfmpegPlan& plan) {
  const std::string rate = ExactFrameRate(request.frameRate);
  // The bitrate alone is only a goal, which the H.263 encoder overshoots by
  // half on busy pictures. Phones and message limits rely on the figure, so
  // it is also the peak rate over a buffer of one second.
  const std::string bitrate = std::to_string(request.videoBitrate) + "k";
  // The frame rate goes first, so that the frames it drops are not scaled.
  // Without a frame size the picture keeps its own frame and shape.
  std::string filters = "fps=" + rate;
  if (!request.frameSize.empty()) {
    filters += "," + FitIntoFrame(request.frameSize);
  }
  plan.arguments.insert(plan.arguments.end(), {"-c:v", "h263", "-b:v", bitrate, "-maxrate", bitrate,
                                               "-bufsize", bitrate, "-vf", filters});
  plan.arguments.insert(plan.arguments.end(), tuning.begin(), tuning.end());

  const size_t slash = rate.find('/');
  const double rateValue = slash == std::string::npos
                               ? std::atof(rate.c_str())
                               : std::atof(rate.c_str()) / std::atof(rate.c_str() + slash + 1);
  plan.videoDescription = "h263, ";
  if (!request.frameSize.empty()) {
    plan.videoDescription += request.frameSize + " [SAR " + PixelShape(":") + " DAR " +
                             DisplayAspect(request.frameSize) + "], ";
  }
  plan.videoDescription +=
      std::to_string(request.videoBitrate) + " kb/s, " + DecimalRate(rateValue) + " fps(r)";
}

void PlanAudio(const EncoderRequest& request, const std::vector<std::string>& aacTuning,
               FfmpegPlan& plan) {
  const std::string layout =
      std::to_string(request.sampleRate) + " Hz, " + ChannelsText(request.channels);
  const bool narrowBand = request.sampleRate == 8000 && request.channels == 1;
  if (request.audioBitrate <= 12 && narrowBand) {
    plan.arguments.insert(plan.arguments.end(), {"-c:a", "libopencore_amrnb", "-b:a", "12200"});
    plan.audioDescription = "amr_nb, " + layout + ", 12.2 kb/s";
  } else {
    if (request.audioBitrate <= 12) {
      plan.notes.push_back("AMR-NB takes only 8000 Hz mono, so the audio is AAC-LC");
    }
    int bitrate = request.audioBitrate;
    const int most = MaxAacBitrate(request.sampleRate, request.channels);
    if (most > 0 && bitrate > most) {
      plan.notes.push_back("AAC allows at most " + std::to_string(most) + " kbit/s at " + layout +
                           "; the audio is coded at " + std::to_string(most) +
                           " kbit/s instead of " + std::to_string(bitrate));
      bitrate = most;
    }
    plan.arguments.insert(plan.arguments.end(),
                          {"-c:a", "aac", "-b:a", std::to_string(bitrate) + "k"});
    plan.arguments.insert(plan.arguments.end(), aacTuning.begin(), aacTuning.end());
    plan.audioDescription = "aac (LC), " + layout + ", " + std::to_string(bitrate) + " kb/s";
  }
  plan.arguments.insert(plan.arguments.end(), {"-ar", std::to_string(request.sampleRate), "-ac",
                                               std::to_string(request.channels)});
}

}  // namespace

int MaxAacBitrate(int sampleRate, int channels) {
  return static_cast<int>(6144LL * sampleRate * channels / 1024 / 1000);
}

std::string ExactFrameRate(const std::string& frameRate) {
  const double rate = std::atof(frameRate.c_str());
  for (const ExactRate& exact : kExactRates) {
    if (std::fabs(rate - exact.value) < kRateTolerance) {
      return exact.ratio;
    }
  }
  return frameRate;
}

FfmpegPlan PlanConversion(const EncoderRequest& request, const std::string& ffmpegInput,
                          const std::string& ffmpegOutput, const FfmpegTuning& tuning) {
  CheckFormatAndSize(request);
  FfmpegPlan plan;
  // "level" tags every log line with its severity, which is how warnings
  // and errors are told from the rest; -progress gives machine-readable
  // progress on standard output.
  plan.arguments = {"-hide_banner", "-nostats", "-loglevel", "level+info", "-progress", "pipe:1"};
  plan.arguments.insert(plan.arguments.end(), tuning.decoding.begin(), tuning.decoding.end());
  plan.arguments.insert(plan.arguments.end(), {"-i", ffmpegInput, "-sn", "-dn"});
  PlanVideo(request, tuning.video, plan);
  PlanAudio(request, tuning.aac, plan);
  plan.arguments.insert(plan.arguments.end(), {"-f", "3gp", "-y", ffmpegOutput});
  return plan;
}

}  // namespace encoder
