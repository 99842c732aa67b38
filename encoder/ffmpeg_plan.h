#pragma once

#include <string>
#include <vector>

#include "encoder/command_arguments.h"
#include "encoder/ffmpeg_tuning.h"

namespace encoder {

// How FFmpeg carries out one request: H.263 video and, for the audio,
// AMR-NB at 12.2 kbit/s (the codec every 3GP phone plays) when at most
// 12 kbit/s of 8000 Hz mono is asked for, AAC-LC otherwise.
struct FfmpegPlan {
  std::vector<std::string> arguments;  // FFmpeg's arguments after its program name
  std::vector<std::string> notes;      // where the plan departs from the request
  std::string videoDescription;        // the output's video stream, ending in "<rate> fps(r)"
  std::string audioDescription;        // the output's audio stream
};

// AAC codes at most 6144 bits per channel for each frame of 1024 samples.
int MaxAacBitrate(int sampleRate, int channels);

// FFmpeg's exact rate for a frame rate of the command line: 14.98, 23.98
// and 29.97 stand for 15000/1001, 24000/1001 and 30000/1001.
std::string ExactFrameRate(const std::string& frameRate);

// Throws CommandLineError for a format or frame size H.263 in 3GP cannot
// take. FFmpeg reads ffmpegInput and writes ffmpegOutput; without tuning,
// with the plain command.
FfmpegPlan PlanConversion(const EncoderRequest& request, const std::string& ffmpegInput,
                          const std::string& ffmpegOutput, const FfmpegTuning& tuning = {});

}  // namespace encoder
