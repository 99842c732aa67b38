#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/split_buffer.h"
#include "console/split_rule.h"

namespace console {

// TConsoleIO's receive buffer: standard output of the child that came in
// chunks and waits to be delivered as texts cut by the split rule.
class ReceivedOutput {
 public:
  // Appends a chunk and delivers every text it completes to onReceive,
  // called with sender and the text. The handler and the rule are read
  // again before each text, since a handler may change either: without a
  // handler the rest waits for a later chunk; without a separator the whole
  // buffer is one text. Each text leaves the buffer before its handler runs,
  // so a handler that raises does not get it again, and one that dispatches
  // messages, and so receives further chunks in between, finds the buffer
  // as it should be.
  template <typename Sender, typename Event>
  void Receive(std::string_view chunk, Sender* sender, const Event& onReceive,
               const SplitRule& rule) {
    if (chunk.empty()) {
      return;
    }
    buffer_.Append(chunk);
    // A copy: a handler may replace itself.
    while (Event handler = onReceive) {
      const std::string separator = rule.ReceiveSeparator();
      if (separator.empty()) {
        handler(sender, buffer_.TakeAll());
        return;
      }
      const std::optional<std::string> text = buffer_.TakeUntil(separator);
      if (!text) {
        return;
      }
      handler(sender, *text);
    }
  }

  // What is left at the end of the process, maybe nothing; the buffer is
  // then empty.
  std::string TakeRest() { return buffer_.TakeAll(); }

 private:
  base::SplitBuffer buffer_;
};

}  // namespace console
