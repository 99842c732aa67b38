#include "conversion/command_line.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "base/path_text.h"

namespace conversion {

const std::vector<std::string>& VideoBitrateItems() {
  static const std::vector<std::string> items{"40", "80", "120", "256", "512"};
  return items;
}

const std::vector<std::string>& FrameRateItems() {
  static const std::vector<std::string> items{"14.985", "23.975", "25.000", "29.970"};
  return items;
}

const std::vector<std::string>& VideoSizeItems() {
  static const std::vector<std::string> items{"128x96", "176x144", "352x288", "704x576",
                                              "1408x1152"};
  return items;
}

const std::vector<std::string>& AudioBitrateItems() {
  static const std::vector<std::string> items{"12K",
                                              "16K",
                                              "20K",
                                              "24K",
                                              "32K(near FM radio)",
                                              "40K",
                                              "48K(FM radio)",
                                              "56K",
                                              "64K(Better than FM radio)",
                                              "80K",
                                              "96K(near CD quality)",
                                              "112K",
                                              "128K(CD quality)",
                                              "160K",
                                              "192K(Better than CD)",
                                              "224K",
                                              "256K",
                                              "320K"};
  return items;
}

const std::vector<std::string>& SampleRateItems() {
  static const std::vector<std::string> items{"8000"};
  return items;
}

const std::vector<std::string>& ChannelItems() {
  static const std::vector<std::string> items{"1 - Mono"};
  return items;
}

std::string GetVideoBitrate(int index) {
  return VideoBitrateItems().at(index);
}

std::string GetFrameRate(int index) {
  return FrameRateItems().at(index);
}

std::string GetVideoSize(int index) {
  return VideoSizeItems().at(index);
}

int GetAudioBitrate(int index) {
  static const std::vector<int> values{12, 16, 20,  24,  32,  40,  48,  56,  64,
                                       80, 96, 112, 128, 160, 192, 224, 256, 320};
  return values.at(index);
}

int GetSampleRate(int index) {
  static const std::vector<int> values{8000};
  return values.at(index);
}

int GetChannels(int index) {
  // Two entries although the list offers only "1 - Mono".
  static const std::vector<int> values{1, 2};
  return values.at(index);
}

std::string GetOutputFormat() {
  return "3gp";
}

namespace {

// Adds one to a string of decimal digits, growing it on a carry out.
void IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

std::string FormatFrameRate(double rate) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(rate),
                              std::chars_format::scientific, 17);
  const std::string text(buffer, result.ptr);  // d.ddddddddddddddddde±XX
  const std::size_t e = text.find('e');
  const std::string mantissa = text.substr(0, 1) + text.substr(2, e - 2);
  const int exponent = std::stoi(text.substr(e + 1));

  // Lay the 18 digits out around the decimal point.
  std::string integerPart, fraction;
  if (exponent >= 0) {
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    std::string digits = mantissa;
    if (digits.size() < integerDigits + 3) {
      digits.append(integerDigits + 3 - digits.size(), '0');
    }
    integerPart = digits.substr(0, integerDigits);
    fraction = digits.substr(integerDigits);
  } else {
    integerPart = "0";
    fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
  }

  std::string kept = integerPart + fraction.substr(0, 2);
  if (fraction[2] >= '5') {
    IncrementDigits(kept);
  }
  std::string formatted = kept.substr(0, kept.size() - 2) + "." + kept.substr(kept.size() - 2);
  return (rate < 0 ? "-" : "") + formatted;
}

bool NeedsScript(const std::string& inputPath) {
  const std::string extension = base::LowerCase(base::ExtractFileExt(inputPath));
  return extension == ".rm" || extension == ".rmvb" || extension == ".mkv";
}

std::string ScriptLine(const std::string& inputPath) {
  return "DirectShowSource(\"" + inputPath + "\",convertfps=true)\r\n";
}

void WriteScript(const std::string& scriptPath, const std::string& inputPath) {
  const auto fail = [&scriptPath] {
    throw EInOutError("Cannot write the script file " + scriptPath + ": " + std::strerror(errno) +
                      ".");
  };
  // A UTF-8 path opens the file under its Unicode name on Windows too.
  std::ofstream file(std::filesystem::u8path(scriptPath), std::ios::binary | std::ios::trunc);
  if (!file) {
    fail();
  }
  const std::string line = ScriptLine(inputPath);
  if (!file.write(line.data(), static_cast<std::streamsize>(line.size()))) {
    fail();
  }
  file.close();
  if (!file) {
    fail();
  }
}

std::string ScriptPath(const CommandLineFolders& folders) {
  return folders.tempFolder + "m9s.avs";
}

std::string BuildCommandLine(const ConversionSettings& settings, const std::string& inputPath,
                             const std::string& outputPath, const CommandLineFolders& folders) {
  std::string input = inputPath;
  if (NeedsScript(inputPath)) {
    input = ScriptPath(folders);
    WriteScript(input, inputPath);
  }
  const long videoBitrate = std::lround(std::stod(GetVideoBitrate(settings.videoBitrate)));
  const double frameRate = std::stod(GetFrameRate(settings.frameRate));
  std::string sizeSlot = GetVideoSize(settings.videoSize);
  if (!sizeSlot.empty()) {
    sizeSlot = "-s " + sizeSlot;
  }

  std::string line = folders.systemFolder + "libm9s -i " + input;
  line += "  -f " + GetOutputFormat();
  line += " -b " + std::to_string(videoBitrate);
  line += " -r " + FormatFrameRate(frameRate);
  line += " " + sizeSlot;
  line += " -ar " + std::to_string(GetSampleRate(settings.sampleRate));
  line += " -ab " + std::to_string(GetAudioBitrate(settings.audioBitrate));
  line += " -ac " + std::to_string(GetChannels(settings.channels));
  line += " -y " + outputPath;
  return line;
}

}  // namespace conversion
