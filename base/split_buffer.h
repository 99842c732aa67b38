#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace base {

// Text that arrives in chunks and leaves in pieces cut at a separator; a
// separator of several bytes may arrive split over two chunks. Each piece
// leaves the buffer when it is taken, before the caller hands it on, so code
// that appends and takes more while a piece is being handed on (a handler
// that dispatches messages) finds the buffer as it should be.
class SplitBuffer {
 public:
  void Append(std::string_view chunk);

  // The text before the first separator (one byte or more), taken out of
  // the buffer together with the separator; nothing while no whole
  // separator is buffered.
  std::optional<std::string> TakeUntil(std::string_view separator);

  // Everything buffered, taken out.
  std::string TakeAll();

  bool Empty() const { return text_.size() == start_; }

 private:
  // text_ before start_ was taken already; it goes at the next Append.
  std::string text_;
  size_t start_ = 0;
  // From start_ to scanned_ no separator like scannedFor_ starts, so a
  // search for it goes on from scanned_.
  size_t scanned_ = 0;
  std::string scannedFor_;
};

}  // namespace base
