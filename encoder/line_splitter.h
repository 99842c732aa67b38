#pragma once

#include <string>
#include <string_view>

namespace encoder {

// Cuts a stream that arrives in chunks into lines at line feeds, dropping a
// carriage return that stands before the line feed.
class LineSplitter {
 public:
  template <typename OnLine>
  void Add(std::string_view chunk, OnLine onLine) {
    pending_.append(chunk);
    size_t start = 0;
    for (size_t end; (end = pending_.find('\n', start)) != std::string::npos; start = end + 1)
      onLine(WithoutCarriageReturn(std::string_view(pending_).substr(start, end - start)));
    pending_.erase(0, start);
  }

  // Hands over the unterminated rest at the end of the stream, if any.
  template <typename OnLine>
  void Finish(OnLine onLine) {
    if (!pending_.empty())
      onLine(WithoutCarriageReturn(pending_));
    pending_.clear();
  }

 private:
  static std::string_view WithoutCarriageReturn(std::string_view line) {
    return !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
  }

  std::string pending_;
};

}  // namespace encoder
