#include "encoder/ffmpeg_log.h"

#include <cstdio>
#include <cstdlib>

namespace encoder {

namespace {

bool StartsWith(std::string_view text, std::string_view head) {
  return text.substr(0, head.size()) == head;
}

struct TaggedLine {
  std::string context;  // "[h263 @ 0501a900] " and the like, possibly several
  std::optional<std::string> level;
  std::string text;
};

// FFmpeg writes "[context @ address] [level] text"; a line without a level
// continues the message before it.
TaggedLine SplitTags(std::string_view line) {
  static const std::string_view kLevels[] = {"quiet", "panic",   "fatal", "error", "warning",
                                             "info",  "verbose", "debug", "trace"};
  TaggedLine tagged;
  while (StartsWith(line, "[")) {
    const size_t close = line.find("] ");
    if (close == std::string_view::npos) {
      break;
    }
    const std::string_view tag = line.substr(1, close - 1);
    const std::string_view whole = line.substr(0, close + 2);
    line.remove_prefix(close + 2);
    for (std::string_view level : kLevels) {
      if (tag == level) {
        tagged.level = std::string(level);
        tagged.text = line;
        return tagged;
      }
    }
    tagged.context += whole;
  }
  tagged.text = tagged.context + std::string(line);
  tagged.context.clear();
  return tagged;
}

// What the video encoder's rate control says, for every frame, when the
// frame size needs more than the maximum bitrate allows.
bool IsRateComplaint(const std::string& text) {
  return StartsWith(text, "rc buffer underflow") ||
         StartsWith(text, "max bitrate possibly too small");
}

constexpr char kRateNote[] =
    "libm9s: note: the video needs more than the bitrate asked for at this frame size; it is "
    "coded as small as H.263 allows";

// H:MM:SS.hh as FFmpeg writes it, in digits: no sign, exponent or
// blank. The hours and minutes fit an int, and the whole a count of tenths.
bool ParseClock(const std::string& text, int& hours, int& minutes, double& seconds) {
  const size_t firstColon = text.find(':');
  const size_t secondColon = text.find(':', firstColon + 1);
  if (text.find_first_not_of("0123456789:.") != std::string::npos || firstColon > 9 ||
      secondColon == std::string::npos || secondColon - firstColon > 10) {
    return false;
  }
  int consumed = 0;
  return std::sscanf(text.c_str(), "%d:%d:%lf%n", &hours, &minutes, &seconds, &consumed) == 3 &&
         consumed == static_cast<int>(text.size()) &&
         (hours * 3600.0 + minutes * 60.0 + seconds) * 10 < 9e18;
}

}  // namespace

std::string DurationInTenths(const std::string& line) {
  constexpr std::string_view kMarker = "Duration: ";
  const size_t start = line.find(kMarker);
  if (start == std::string::npos) {
    return line;
  }
  const size_t clockStart = start + kMarker.size();
  const size_t clockEnd = line.find(',', clockStart);
  const std::string clock = line.substr(clockStart, clockEnd - clockStart);
  int hours, minutes;
  double seconds;
  if (!ParseClock(clock, hours, minutes, seconds)) {
    return line;
  }

  const long long tenths =
      static_cast<long long>((hours * 3600.0 + minutes * 60.0 + seconds) * 10 + 0.5);
  char rounded[48];
  std::snprintf(rounded, sizeof rounded, "%02lld:%02lld:%02lld.%lld", tenths / 36000,
                tenths / 600 % 60, tenths / 10 % 60, tenths % 10);
  return line.substr(0, clockStart) + rounded +
         (clockEnd == std::string::npos ? std::string() : line.substr(clockEnd));
}

FfmpegLog::FfmpegLog(std::string outputPath, std::string videoDescription,
                     std::string audioDescription)
    : outputPath_(std::move(outputPath)),
      videoDescription_(std::move(videoDescription)),
      audioDescription_(std::move(audioDescription)) {}

std::optional<std::string> FfmpegLog::Filter(std::string_view line) {
  const TaggedLine tagged = SplitTags(line);
  if (tagged.level) {
    droppingRateComplaint_ = IsRateComplaint(tagged.text);
  }
  if (droppingRateComplaint_) {
    if (rateComplaintNoted_) {
      return std::nullopt;
    }
    rateComplaintNoted_ = true;
    return std::string(kRateNote);
  }
  if (tagged.level) {
    const std::string& level = *tagged.level;
    lastSeverity_ = level == "panic" || level == "fatal" || level == "error" ? Severity::kError
                    : level == "warning"                                     ? Severity::kWarning
                                         : Severity::kInformation;
  }
  switch (lastSeverity_) {
    case Severity::kError:
      if (!tagged.text.empty()) {
        lastError_ = tagged.text;
      }
      return tagged.context + tagged.text;
    case Severity::kWarning:
      return tagged.context + tagged.text;
    case Severity::kInformation:
      break;
  }
  // Information that a codec or a muxer adds about itself is not shown.
  if (!tagged.context.empty()) {
    return std::nullopt;
  }
  return FilterInformation(tagged.text);
}

std::optional<std::string> FfmpegLog::FilterInformation(const std::string& text) {
  if (StartsWith(text, "Input #")) {
    section_ = Section::kInput;
    return text;
  }
  if (StartsWith(text, "Output #")) {
    section_ = Section::kOutput;
    return OutputHeader(text);
  }
  // The lines of a section are indented; anything else ends it.
  if (!StartsWith(text, " ")) {
    section_ = Section::kNone;
    return std::nullopt;
  }
  if (section_ == Section::kInput) {
    return DurationInTenths(text);
  }
  if (section_ == Section::kOutput) {
    return OutputStream(text);
  }
  return std::nullopt;
}

// "Output #0, 3gp, to '<temporary file>':" names the real output instead.
std::string FfmpegLog::OutputHeader(const std::string& text) const {
  const size_t quote = text.find(" to '");
  if (quote == std::string::npos) {
    return text;
  }
  return text.substr(0, quote) + " to '" + outputPath_ + "':";
}

std::optional<std::string> FfmpegLog::OutputStream(const std::string& text) const {
  for (const auto& [kind, description] :
       {std::pair{": Video: ", &videoDescription_}, std::pair{": Audio: ", &audioDescription_}}) {
    const size_t at = text.find(kind);
    if (text.find("Stream #") != std::string::npos && at != std::string::npos) {
      return text.substr(0, at) + kind + *description;
    }
  }
  return std::nullopt;
}

}  // namespace encoder
