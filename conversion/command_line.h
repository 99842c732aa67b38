#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace conversion {

// The selected index of each of the six settings lists of the main window.
// The defaults are the indexes every start of the program begins with.
struct ConversionSettings {
  int videoBitrate = 2;
  int frameRate = 0;
  int videoSize = 1;
  int audioBitrate = 4;
  int sampleRate = 0;
  int channels = 0;
};

// A failed write of the script file for inputs the encoder reads through
// AviSynth.
class EInOutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The item texts of the six lists, in index order.
const std::vector<std::string>& VideoBitrateItems();
const std::vector<std::string>& FrameRateItems();
const std::vector<std::string>& VideoSizeItems();
const std::vector<std::string>& AudioBitrateItems();
const std::vector<std::string>& SampleRateItems();
const std::vector<std::string>& ChannelItems();

// The index maps from a list's selected index to its command-line value.
// An index outside a table throws std::out_of_range.
std::string GetVideoBitrate(int index);
std::string GetFrameRate(int index);
std::string GetVideoSize(int index);
int GetAudioBitrate(int index);
int GetSampleRate(int index);
int GetChannels(int index);

// "3gp": the encoder's -f value and the extension of every output file.
std::string GetOutputFormat();

// A frame rate in fixed notation with two decimals: the double taken to 18
// significant digits, then rounded half up at the second decimal, so the
// double nearest to 23.975 gives "23.98" and the one nearest to 14.985
// gives "14.98".
std::string FormatFrameRate(double rate);

// True when the encoder must read the input through the AviSynth script:
// the extension, in any letter case, is ".rm", ".rmvb" or ".mkv".
bool NeedsScript(const std::string& inputPath);

// The one line of the AviSynth script for an input, with its CR LF. The
// path is written as it is, in UTF-8 (no byte order mark), so that every
// file name survives whatever the system's ANSI code page is; the encoder
// reads the script as UTF-8.
std::string ScriptLine(const std::string& inputPath);

// Creates or truncates the script file and writes its line; throws
// EInOutError when opening, writing or closing fails.
void WriteScript(const std::string& scriptPath, const std::string& inputPath);

// Where the folders of the command line come from: both end in a
// backslash. Like every path here they are UTF-8, and so is the command
// line, which the runner hands to the encoder as a UTF-16 command line.
struct CommandLineFolders {
  std::string systemFolder;
  std::string tempFolder;
};

std::string ScriptPath(const CommandLineFolders& folders);

// The encoder command line for one input and its settled output path.
// Writes the script file first when the input needs it.
std::string BuildCommandLine(const ConversionSettings& settings, const std::string& inputPath,
                             const std::string& outputPath, const CommandLineFolders& folders);

}  // namespace conversion
