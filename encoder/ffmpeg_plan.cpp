#include "encoder/ffmpeg_plan.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace encoder {

namespace {

const char* const kH263Sizes[] = {"128x96", "176x144", "352x288", "704x576", "1408x1152"};

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

void PlanVideo(const EncoderRequest& request, const std::vector<std::string>& tuning,
               FfmpegPlan& plan) {
  const std::string rate = ExactFrameRate(request.frameRate);
  // The bitrate alone is only a goal, which the H.263 encoder overshoots by
  // half on busy pictures. Phones and message limits rely on the figure, so
  // it is also the peak rate over a buffer of one second.
  const std::string bitrate = std::to_string(request.videoBitrate) + "k";
  plan.arguments.insert(plan.arguments.end(), {"-c:v", "h263", "-b:v", bitrate, "-maxrate", bitrate,
                                               "-bufsize", bitrate, "-vf", "fps=" + rate});
  if (!request.frameSize.empty()) {
    plan.arguments.insert(plan.arguments.end(), {"-s", request.frameSize});
  }
  plan.arguments.insert(plan.arguments.end(), tuning.begin(), tuning.end());

  const size_t slash = rate.find('/');
  const double rateValue = slash == std::string::npos
                               ? std::atof(rate.c_str())
                               : std::atof(rate.c_str()) / std::atof(rate.c_str() + slash + 1);
  plan.videoDescription = "h263, ";
  if (!request.frameSize.empty()) {
    plan.videoDescription += request.frameSize + ", ";
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
