#include "encoder/command_line_quoting.h"

#include <gtest/gtest.h>

namespace encoder {
namespace {

TEST(CommandLineQuoting, ArgumentsReadBackUnchanged) {
  const std::pair<const char*, const char*> cases[] = {
      {"plain", "plain"},
      {"C:\\dir\\file.avi", "C:\\dir\\file.avi"},
      {"", "\"\""},
      {"a b", "\"a b\""},
      {"C:\\My Videos\\", "\"C:\\My Videos\\\\\""},  // a closing backslash is doubled
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"a\\\"b", "\"a\\\\\\\"b\""},  // a backslash before a quote: doubled, plus the quote's own
      {"tab\there", "\"tab\there\""},
  };
  for (const auto& [argument, quoted] : cases) {
    EXPECT_EQ(QuoteArgument(argument), quoted) << argument;
  }
}

TEST(CommandLineQuoting, JoinsWithBlanks) {
  EXPECT_EQ(JoinArguments({"-i", "Z:\\a b\\in.avi", "-y", "out"}), "-i \"Z:\\a b\\in.avi\" -y out");
}

}  // namespace
}  // namespace encoder
