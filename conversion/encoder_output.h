#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace conversion {

// The text strictly between the last end marker and the nearest start
// marker that ends before it; empty when either marker is missing. When a
// chunk holds several progress lines, this picks the last complete one.
std::string ExtractBetween(const std::string& startMarker, const std::string& endMarker,
                           const std::string& text);

// Pieces of the text between separators; empty pieces are dropped.
std::vector<std::string> SplitText(std::string text, const std::string& separator);

// What the encoder's output has told so far about the file being converted.
// Kept between texts and between files: each value changes only when a text
// supplies a new one.
struct EncoderProgressState {
  double durationSeconds = 0;
  double frameRate = 0;
};

struct EncoderProgress {
  int position = 0;  // for the progress bar: 0 to 99, never 100 during a file
  std::int64_t frameCount = 0;
  std::int64_t total = 0;
};

// Reads one text of the encoder (a line of standard output or a chunk of
// standard error) for the duration, the frame rate and the frame count.
// Updates the state as far as the text allows and returns the progress to
// show, or nothing when the text is malformed in a way that ends the event
// (the state keeps what was read before the fault).
std::optional<EncoderProgress> ParseEncoderOutput(const std::string& text,
                                                  EncoderProgressState& state);

// The status line: the status format with the job position "i/n" in place of
// its %s, a blank, the file name, a blank and " [frames/total]".
std::string FormatProgressStatus(const std::string& statusFormat, int selectedIndex, int itemCount,
                                 const std::string& fileName, const EncoderProgress& progress);

// Replaces the first %s of a format with the argument and %% with %; any
// other % sequence stays as it is. Safe for formats from language files.
std::string FormatWithString(const std::string& format, const std::string& argument);
// The same for several arguments, one for each %s in turn; a %s beyond the
// last argument stays as it is.
std::string FormatWithStrings(const std::string& format, const std::vector<std::string>& arguments);

}  // namespace conversion
