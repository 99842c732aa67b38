#include "base/split_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace base {
namespace {

using Texts = std::vector<std::string>;

TEST(SplitBuffer, CutsChunksAtTheSeparatorWhereverTheChunksEnd) {
  struct Case {
    const char* name;
    Texts chunks;
    const char* separator;
    Texts pieces;  // taken after each chunk
    const char* rest;
  };
  // clang-format off
  const Case cases[] = {
      {"several in one chunk", {"a\nb\nc"}, "\n", {"a", "b"}, "c"},
      {"empty pieces", {"\n\nx\n"}, "\n", {"", "", "x"}, ""},
      {"a piece over three chunks", {"ab", "c", "d\ne"}, "\n", {"abcd"}, "e"},
      {"separator cut between chunks", {"a\r", "\nb\r\n"}, "\r\n", {"a", "b"}, ""},
      {"half a separator is no separator", {"a\r", "b\n\r"}, "\r\n", {}, "a\rb\n\r"},
      {"a false start before the separator", {"a\r\r", "\nb"}, "\r\n", {"a\r"}, "b"},
      {"a long separator over three chunks", {"x<", "=", ">y<=>"}, "<=>", {"x", "y"}, ""},
      {"nothing", {}, "\n", {}, ""},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SplitBuffer buffer;
    Texts pieces;
    for (const std::string& chunk : c.chunks) {
      buffer.Append(chunk);
      while (const auto piece = buffer.TakeUntil(c.separator)) {
        pieces.push_back(*piece);
      }
    }
    EXPECT_EQ(pieces, c.pieces);
    EXPECT_EQ(buffer.Empty(), std::string(c.rest).empty());
    EXPECT_EQ(buffer.TakeAll(), c.rest);
    EXPECT_TRUE(buffer.Empty());
  }
}

// A search remembers how far it found no separator; a search for another
// separator must not trust that.
TEST(SplitBuffer, AnotherSeparatorIsSearchedFromTheStart) {
  SplitBuffer buffer;
  buffer.Append("a;b\r");
  EXPECT_FALSE(buffer.TakeUntil("\r\n"));
  EXPECT_EQ(buffer.TakeUntil(";"), "a");
  EXPECT_FALSE(buffer.TakeUntil(";"));
  buffer.Append("\nc;");
  EXPECT_EQ(buffer.TakeUntil("\r\n"), "b");
  EXPECT_EQ(buffer.TakeUntil(";"), "c");
  EXPECT_TRUE(buffer.Empty());
}

// What a caller appends and takes while it hands on a piece (a handler that
// dispatches messages receives further chunks) follows that piece.
TEST(SplitBuffer, TakesWhatIsAppendedBetweenTwoTakes) {
  SplitBuffer buffer;
  buffer.Append("one\ntw");
  EXPECT_EQ(buffer.TakeUntil("\n"), "one");
  buffer.Append("o\nthree\nfo");
  EXPECT_EQ(buffer.TakeUntil("\n"), "two");
  EXPECT_EQ(buffer.TakeUntil("\n"), "three");
  EXPECT_FALSE(buffer.TakeUntil("\n"));
  EXPECT_EQ(buffer.TakeAll(), "fo");
}

}  // namespace
}  // namespace base
