#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace encoder {

// Reads FFmpeg's log, written with -loglevel level+info so that every line
// carries its severity, and picks what the encoder shows of it:
// - the description of the input, its duration written in tenths of a
//   second (H:MM:SS.T): readers that take the digits after the point as
//   tenths then get the right length;
// - the description of the output, naming the real output file instead of
//   FFmpeg's temporary one, with the stream lines of the plan, the video
//   one ending in "<rate> fps(r)";
// - every warning and error, but for the video rate control's complaint
//   that it cannot hold the bitrate (at a frame size that needs more), an
//   error line for every frame that fails nothing: it is shown once, as a
//   note of the encoder's own, and never taken as the last error.
// FFmpeg's other information, its closing statistics line among them, is
// dropped: it puts more than the frame count between "frame=" and "q=".
class FfmpegLog {
 public:
  FfmpegLog(std::string outputPath, std::string videoDescription, std::string audioDescription);

  // Takes one line without its line end; returns the line to show, if any.
  std::optional<std::string> Filter(std::string_view line);

  // The text of the last error line, without FFmpeg's tags; empty if none.
  const std::string& LastError() const { return lastError_; }

 private:
  enum class Severity { kError, kWarning, kInformation };
  enum class Section { kNone, kInput, kOutput };

  std::optional<std::string> FilterInformation(const std::string& text);
  std::string OutputHeader(const std::string& text) const;
  std::optional<std::string> OutputStream(const std::string& text) const;

  std::string outputPath_, videoDescription_, audioDescription_;
  Severity lastSeverity_ = Severity::kInformation;
  // Lines of the rate control's complaint are being dropped.
  bool droppingRateComplaint_ = false;
  bool rateComplaintNoted_ = false;
  Section section_ = Section::kNone;
  std::string lastError_;
};

// A log line with its "Duration: H:MM:SS.hh" rounded to tenths of a
// second; any other line (a duration of N/A too) comes back unchanged.
std::string DurationInTenths(const std::string& line);

}  // namespace encoder
