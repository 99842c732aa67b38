#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace encoder {

// What one run of the encoder is asked to do, read from its command line.
// Numbers are as written there: kilobits per second for the two bitrates,
// hertz for the sample rate. The frame size is empty when the line has no
// -s value.
struct EncoderRequest {
  std::string inputPath;
  std::string outputPath;
  std::string format;
  int videoBitrate = 0;
  std::string frameRate;
  std::string frameSize;
  int sampleRate = 0;
  int audioBitrate = 0;
  int channels = 0;
};

// A command line the encoder cannot take; the text says why.
class CommandLineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The line shown when the encoder is started without arguments or with a
// command line it cannot take.
extern const char kUsage[];

// Reads the whole command line, program name included. Paths are not
// quoted on it, so the line is read by its fixed shape: the input path is
// everything between "-i " and the two blanks before "-f", the output path
// everything after "-y ", and the options in between are "-name value"
// pairs separated by blanks. Throws CommandLineError.
EncoderRequest ParseCommandLine(std::string_view commandLine);

}  // namespace encoder
