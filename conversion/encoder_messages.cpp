#include "conversion/encoder_messages.h"

namespace conversion {

namespace {

const std::string kPrefix = "libm9s: ";

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The text cut to at most size bytes without splitting a UTF-8 character.
void CutAtCharacter(std::string& text, std::size_t size) {
  if (text.size() <= size) {
    return;
  }
  std::size_t end = size;
  while (end > 0 && IsContinuationByte(text[end])) {
    --end;
  }
  text.resize(end);
}

}  // namespace

void EncoderMessages::Add(const std::string& chunk) {
  std::size_t start = 0;
  while (start < chunk.size()) {
    const std::size_t end = chunk.find_first_of("\r\n", start);
    const std::size_t stop = end == std::string::npos ? chunk.size() : end;
    if (!lineCut_) {
      line_.append(chunk, start, stop - start);
      if (line_.size() > kLongestLine) {
        CutAtCharacter(line_, kLongestLine);
        lineCut_ = true;
      }
    }
    if (end == std::string::npos) {
      return;
    }
    TakeLine();
    start = end + 1;
  }
}

void EncoderMessages::Finish() {
  TakeLine();
}

void EncoderMessages::Clear() {
  line_.clear();
  lineCut_ = false;
  last_.clear();
}

void EncoderMessages::TakeLine() {
  if (line_.compare(0, kPrefix.size(), kPrefix) == 0) {
    last_ = line_.substr(kPrefix.size());
  }
  line_.clear();
  lineCut_ = false;
}

}  // namespace conversion
