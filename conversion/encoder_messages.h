#pragma once

#include <cstddef>
#include <string>

namespace conversion {

// Picks the encoder's own messages, the lines of its standard error that
// start with "libm9s: " (UTF-8, like all it writes), out of the chunks the
// runner hands over, which are cut anywhere. Lines end at a carriage return
// or a line feed; progress lines end in a carriage return alone. A line
// that runs on without an end is kept only up to kLongestLine bytes, cut at
// a character boundary, so an encoder that never ends a line cannot make
// it grow without bound.
class EncoderMessages {
 public:
  static constexpr std::size_t kLongestLine = 4096;

  void Add(const std::string& chunk);
  // The encoder ended: an unterminated last line counts too.
  void Finish();
  // Forgets the last message and any unfinished line, for the next file.
  void Clear();
  // The last message, without its "libm9s: "; empty when there was none.
  const std::string& Last() const { return last_; }

 private:
  void TakeLine();

  std::string line_;      // the unfinished last line, at most kLongestLine bytes
  bool lineCut_ = false;  // the rest of the line is being dropped
  std::string last_;
};

}  // namespace conversion
