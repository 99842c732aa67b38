#include "conversion/encoder_messages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace conversion {
namespace {

struct MessageCase {
  const char* name;
  std::vector<std::string> chunks;
  bool finished;  // the encoder ended after the chunks
  std::string last;
};

TEST(EncoderMessages, KeepsTheLastOwnMessage) {
  const MessageCase cases[] = {
      {"one line", {"libm9s: cannot read\n"}, false, "cannot read"},
      {"cut inside the prefix", {"lib", "m9s: cann", "ot read\r\n"}, false, "cannot read"},
      {"after progress lines",
       {"frame=  5 q=3.0\rframe= 10 q=3.0\rlibm9s: stopped\n"},
       false,
       "stopped"},
      {"other lines do not replace it",
       {"libm9s: first\nInput #0\n  Duration: 1\n"},
       false,
       "first"},
      {"a later message does", {"libm9s: first\n", "libm9s: second\n"}, false, "second"},
      {"unterminated, before the end", {"libm9s: no end"}, false, ""},
      {"unterminated, at the end", {"libm9s: no end"}, true, "no end"},
      {"prefix not at the line start", {"x libm9s: no\n"}, true, ""},
      {"UTF-8 file names stay whole",
       {"libm9s: cannot read the input C:\\中文.avi\n"},
       false,
       "cannot read the input C:\\中文.avi"},
  };
  for (const MessageCase& c : cases) {
    SCOPED_TRACE(c.name);
    EncoderMessages messages;
    for (const std::string& chunk : c.chunks) {
      messages.Add(chunk);
    }
    if (c.finished) {
      messages.Finish();
    }
    EXPECT_EQ(messages.Last(), c.last);
  }
}

TEST(EncoderMessages, ClearForgetsTheLastFile) {
  EncoderMessages messages;
  messages.Add("libm9s: old\nlibm9s: half");
  messages.Clear();
  messages.Finish();
  EXPECT_EQ(messages.Last(), "");
}

// An encoder that writes on and on without a line end must not make the
// kept line grow: it is cut at the limit, on a character boundary, and
// the next line is read normally.
TEST(EncoderMessages, ALineWithoutEndIsCutAtTheLimit) {
  const std::string chinese = "中";  // three bytes
  const size_t limit = EncoderMessages::kLongestLine;
  struct Case {
    const char* name;
    std::string head;
    std::string filler;
    size_t expectedSize;
  };
  const Case cases[] = {
      {"ASCII", "libm9s: ", "x", limit - 8},
      {"a three-byte character across the limit", "libm9s: x", chinese,
       9 + (limit - 9) / 3 * 3 - 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EncoderMessages messages;
    messages.Add(c.head);
    std::string chunk;
    while (chunk.size() < 100000) {
      chunk += c.filler;
    }
    for (int i = 0; i < 100; ++i) {
      messages.Add(chunk);
    }
    messages.Finish();
    EXPECT_EQ(messages.Last().size(), c.expectedSize);
    EXPECT_EQ(messages.Last().substr(c.head.size() - 8, c.filler.size()), c.filler);

    messages.Add(std::string(3 * limit, 'y') + "\nlibm9s: next\n");
    EXPECT_EQ(messages.Last(), "next");
  }
}

}  // namespace
}  // namespace conversion
