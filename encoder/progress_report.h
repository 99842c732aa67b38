#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace encoder {

// Turns FFmpeg's -progress output (blocks of key=value lines, each closed
// by a "progress=continue" or "progress=end" line) into progress lines in
// the classic console form
//   frame=   45 q=5.0 size=      12kB time=00:00:03.00 bitrate=  32.1kbits/s speed=1.2x
// where nothing but blanks and the frame count stands between "frame=" and
// "q=", which is what the converter reads the count from.
class ProgressReport {
 public:
  // Takes one line without its line end; returns the progress line when
  // the line closes a block.
  std::optional<std::string> Add(std::string_view line);

  // True once the block closed by "progress=end" has been reported.
  bool Ended() const { return ended_; }

 private:
  std::string Line() const;

  std::string frame_, quantiser_, totalSize_, time_, bitrate_, speed_;
  bool ended_ = false;
};

}  // namespace encoder
