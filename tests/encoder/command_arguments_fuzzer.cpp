// libFuzzer target for the command line of libm9s.exe, in two halves
// chosen by the first byte:
// - any text as the command line: it is read or refused with the
//   encoder's own error, nothing else;
// - the converter's line for fuzzed settings and paths: it reads back the
//   paths and values the converter put in. The paths are such as a job
//   list holds: a drive, then folders and a name of printable characters,
//   none of them ending in a blank or a dot, which Windows strips. The one
//   shape left out is a path holding two blanks and a dash ("  -"): an
//   unquoted line cannot tell such a path from the options that follow it
//   in every case (see command_arguments.h).
#include <cstdint>
#include <string>
#include <string_view>

#include "conversion/command_line.h"
#include "encoder/command_arguments.h"

namespace {

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Empty() const { return size_ == 0; }
  uint8_t Take() {
    if (size_ == 0) {
      return 0;
    }
    --size_;
    return *data_++;
  }

 private:
  const uint8_t* data_;
  size_t size_;
};

// A path of up to 60 characters from a small alphabet that holds what makes
// paths hard to cut: blanks, dashes, backslashes, dots, letters of the
// options and a Chinese character.
std::string FuzzedPath(Bytes& bytes, const std::string& extension) {
  static const std::string_view kPieces[] = {" ",   "-", "\\", ".", "i",           "f",
                                             "y",   "b", "r",  "s", "a",           "c",
                                             "3gp", "x", "0",  "1", "\xE8\xA7\x86"};
  std::string path = "C:\\";
  for (int length = bytes.Take() % 60; length > 0 && !bytes.Empty(); --length) {
    path += kPieces[bytes.Take() % std::size(kPieces)];
  }
  return path + extension;
}

bool IsJobListPath(const std::string& path) {
  if (path.find("  -") != std::string::npos || path.find("\\\\") != std::string::npos) {
    return false;
  }
  for (size_t end = path.find('\\'); end != std::string::npos; end = path.find('\\', end + 1)) {
    if (end > 0 && (path[end - 1] == ' ' || path[end - 1] == '.')) {
      return false;
    }
  }
  return path.back() != ' ' && path.back() != '.';
}

int Index(Bytes& bytes, size_t count) {
  return static_cast<int>(bytes.Take() % count);
}

void RoundTrip(Bytes& bytes) {
  conversion::ConversionSettings settings;
  settings.videoBitrate = Index(bytes, conversion::VideoBitrateItems().size());
  settings.frameRate = Index(bytes, conversion::FrameRateItems().size());
  settings.videoSize = Index(bytes, conversion::VideoSizeItems().size());
  settings.audioBitrate = Index(bytes, conversion::AudioBitrateItems().size());
  settings.sampleRate = Index(bytes, conversion::SampleRateItems().size());
  settings.channels = Index(bytes, conversion::ChannelItems().size());
  const std::string input = FuzzedPath(bytes, ".avi");
  const std::string output = FuzzedPath(bytes, ".3gp");
  if (!IsJobListPath(input) || !IsJobListPath(output)) {
    return;
  }
  const std::string line = conversion::BuildCommandLine(settings, input, output,
                                                        {"C:\\WINDOWS\\system32\\", "C:\\Temp\\"});
  const encoder::EncoderRequest request = encoder::ParseCommandLine(line);
  if (request.inputPath != input || request.outputPath != output ||
      request.format != conversion::GetOutputFormat() ||
      request.frameSize != conversion::GetVideoSize(settings.videoSize) ||
      request.sampleRate != conversion::GetSampleRate(settings.sampleRate) ||
      request.audioBitrate != conversion::GetAudioBitrate(settings.audioBitrate) ||
      request.channels != conversion::GetChannels(settings.channels)) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  if (data[0] % 2 == 0) {
    try {
      encoder::ParseCommandLine(
          std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    } catch (const encoder::CommandLineError&) {
    }
    return 0;
  }
  Bytes bytes(data + 1, size - 1);
  RoundTrip(bytes);
  return 0;
}
