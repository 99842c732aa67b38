#include "base/split_buffer.h"

#include <algorithm>

namespace base {

void SplitBuffer::Append(std::string_view chunk) {
  text_.erase(0, start_);
  scanned_ -= start_;
  start_ = 0;
  text_.append(chunk);
}

std::optional<std::string> SplitBuffer::TakeUntil(std::string_view separator) {
  if (separator != scannedFor_) {
    scannedFor_ = separator;
    scanned_ = start_;
  }
  const size_t end = text_.find(separator, scanned_);
  if (end == std::string::npos) {
    // A separator may begin in the last bytes and end in the next chunk.
    scanned_ = std::max(start_, text_.size() - std::min(text_.size(), separator.size() - 1));
    return std::nullopt;
  }
  std::string piece(text_, start_, end - start_);
  start_ = scanned_ = end + separator.size();
  return piece;
}

std::string SplitBuffer::TakeAll() {
  std::string rest(text_, start_);
  text_.clear();
  start_ = scanned_ = 0;
  return rest;
}

}  // namespace base
