#pragma once

#include <string>
#include <vector>

#include "encoder/command_arguments.h"
#include "encoder/input_video.h"

namespace encoder {

// What FFmpeg is asked beyond the plain conversion, chosen from what the
// input's header says and what the request asks for.
struct FfmpegTuning {
  // Decoder options, which go before the input: they spare the decoder
  // work that an output much smaller than the input cannot show.
  std::vector<std::string> decoding;
  // Scaler and video encoder options, which go with the output: the scaler
  // fastest for the job, and an H.263 encoder that spends its bits better
  // while its stream stays baseline H.263 (no annex), at the same bitrate.
  std::vector<std::string> video;
  // Options of the AAC encoder, for audio coded as AAC.
  std::vector<std::string> aac;

  bool Empty() const { return decoding.empty() && video.empty() && aac.empty(); }
};

// An input of no size gets no option at all (the plain command), and a
// request without a frame size no decoder or scaler option.
FfmpegTuning ChooseTuning(const InputVideo& input, const EncoderRequest& request);

}  // namespace encoder
