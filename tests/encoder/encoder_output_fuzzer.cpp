// libFuzzer target: arbitrary bytes as what an encoder writes, read the
// way both ends read it. The first byte sets the size of the chunks the
// stream arrives in, since a pipe cuts output anywhere.
// - libm9s.exe reads FFmpeg's log and its -progress blocks line by line;
// - the converter reads standard output cut into lines and standard error
//   in raw chunks for the progress, and picks the encoder's own messages
//   out of standard error.
// Nothing may fail: the progress bar stays within 0 to 99, the frame count
// within the expected total, and a kept message within its limit.
#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/encoder_messages.h"
#include "conversion/encoder_output.h"
#include "encoder/ffmpeg_log.h"
#include "encoder/line_splitter.h"
#include "encoder/progress_report.h"

namespace {

void CheckProgress(const std::string& text, conversion::EncoderProgressState& state) {
  const auto progress = conversion::ParseEncoderOutput(text, state);
  if (!progress) {
    return;
  }
  if (progress->position < 0 || progress->position > 99 || progress->total <= 0 ||
      progress->frameCount > progress->total) {
    __builtin_trap();
  }
  conversion::FormatProgressStatus("%s %d %% %", 0, 1, text, *progress);
}

// The converter's side.
class ConverterReader {
 public:
  void Add(std::string_view chunk) {
    const std::string raw(chunk);
    CheckProgress(raw, errorState_);
    messages_.Add(raw);
    outputLines_.Add(chunk, [this](std::string_view line) { Line(line); });
  }

  void Finish() {
    outputLines_.Finish([this](std::string_view line) { Line(line); });
    messages_.Finish();
    if (messages_.Last().size() > conversion::EncoderMessages::kLongestLine) {
      __builtin_trap();
    }
  }

 private:
  void Line(std::string_view line) { CheckProgress(std::string(line), outputState_); }

  encoder::LineSplitter outputLines_;
  conversion::EncoderProgressState outputState_, errorState_;
  conversion::EncoderMessages messages_;
};

// The encoder's side: every line it shows goes on to the converter.
class EncoderReader {
 public:
  explicit EncoderReader(ConverterReader& converter) : converter_(converter) {}

  void Add(std::string_view chunk) {
    lines_.Add(chunk, [this](std::string_view line) { Line(line); });
  }

  void Finish() {
    lines_.Finish([this](std::string_view line) { Line(line); });
  }

 private:
  void Line(std::string_view line) {
    if (const auto shown = log_.Filter(line)) {
      converter_.Add(encoder::DurationInTenths(*shown) + "\n");
    }
    if (const auto progress = report_.Add(line)) {
      converter_.Add(*progress + "\r");
    }
  }

  ConverterReader& converter_;
  encoder::LineSplitter lines_;
  encoder::FfmpegLog log_{"Z:\\out\\clip.3gp", "h263, 176x144, 120 kb/s, 14.985 fps(r)",
                          "amr_nb, 8000 Hz, mono, 12.2 kb/s"};
  encoder::ProgressReport report_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  const size_t chunkSize = size_t{data[0]} + 1;
  const std::string_view stream(reinterpret_cast<const char*>(data) + 1, size - 1);
  ConverterReader direct, throughEncoder;
  EncoderReader encoder(throughEncoder);
  for (size_t offset = 0; offset < stream.size(); offset += chunkSize) {
    const std::string_view chunk = stream.substr(offset, chunkSize);
    direct.Add(chunk);
    encoder.Add(chunk);
  }
  encoder.Finish();
  direct.Finish();
  throughEncoder.Finish();
  return 0;
}
