#include "encoder/line_splitter.h"

#include <gtest/gtest.h>

#include <vector>

namespace encoder {
namespace {

std::vector<std::string> Split(const std::vector<std::string>& chunks) {
  LineSplitter splitter;
  std::vector<std::string> lines;
  const auto keep = [&lines](std::string_view line) { lines.emplace_back(line); };
  for (const std::string& chunk : chunks) {
    splitter.Add(chunk, keep);
  }
  splitter.Finish(keep);
  return lines;
}

TEST(LineSplitter, LinesMayBeCutAnywhereBetweenChunks) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(Split({"quit\r\n"}), Lines({"quit"}));
  EXPECT_EQ(Split({"qu", "it\r", "\nnext\n"}), Lines({"quit", "next"}));
  EXPECT_EQ(Split({"a\n\nb"}), Lines({"a", "", "b"}));  // the unterminated rest comes last
  EXPECT_EQ(Split({"a\rb\n"}), Lines({"a\rb"}));        // only a closing CR is dropped
  EXPECT_EQ(Split({}), Lines());
}

}  // namespace
}  // namespace encoder
