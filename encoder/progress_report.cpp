#include "encoder/progress_report.h"

#include <cstdio>
#include <cstdlib>

namespace encoder {

namespace {

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// FFmpeg writes microseconds (00:00:05.071800); the console form has
// hundredths. Before the first packet FFmpeg may write a negative time.
std::string ShortTime(const std::string& time) {
  if (time.empty() || time[0] == '-') {
    return "00:00:00.00";
  }
  const size_t point = time.find('.');
  return point == std::string::npos ? time : time.substr(0, point + 3);
}

std::string KilobytesText(const std::string& bytes) {
  if (!AllDigits(bytes)) {
    return "N/A";
  }
  return std::to_string(std::strtoull(bytes.c_str(), nullptr, 10) / 1024) + "kB";
}

std::string Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

}  // namespace

std::optional<std::string> ProgressReport::Add(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view key = line.substr(0, equals);
  const std::string value = Trimmed(line.substr(equals + 1));

  if (key == "progress") {
    ended_ = value == "end";
    std::string report = Line();
    quantiser_.clear();
    return report;
  }
  if (key == "frame") {
    frame_ = value;
  } else if (EndsWith(key, "_q") && quantiser_.empty()) {
    quantiser_ = value;  // the first stream's, which is the video
  } else if (key == "total_size") {
    totalSize_ = value;
  } else if (key == "out_time") {
    time_ = value;
  } else if (key == "bitrate") {
    bitrate_ = value;
  } else if (key == "speed") {
    speed_ = value;
  }
  return std::nullopt;
}

std::string ProgressReport::Line() const {
  char line[256];
  std::snprintf(line, sizeof line, "frame=%5s q=%s size=%10s time=%s bitrate=%s speed=%s",
                AllDigits(frame_) ? frame_.c_str() : "0",
                quantiser_.empty() ? "0.0" : quantiser_.c_str(), KilobytesText(totalSize_).c_str(),
                ShortTime(time_).c_str(), bitrate_.empty() ? "N/A" : bitrate_.c_str(),
                speed_.empty() ? "N/A" : speed_.c_str());
  return line;
}

}  // namespace encoder
