#pragma once

#include <string>
#include <string_view>

#include "base/split_buffer.h"

namespace encoder {

// Cuts a stream that arrives in chunks into lines at line feeds, dropping a
// carriage return that stands before the line feed.
class LineSplitter {
 public:
  template <typename OnLine>
  void Add(std::string_view chunk, OnLine onLine) {
    pending_.Append(chunk);
    while (const auto line = pending_.TakeUntil("\n")) {
      onLine(WithoutCarriageReturn(*line));
    }
  }

  // Hands over the unterminated rest at the end of the stream, if any.
  template <typename OnLine>
  void Finish(OnLine onLine) {
    if (!pending_.Empty()) {
      onLine(WithoutCarriageReturn(pending_.TakeAll()));
    }
  }

 private:
  static std::string_view WithoutCarriageReturn(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
  }

  base::SplitBuffer pending_;
};

}  // namespace encoder
