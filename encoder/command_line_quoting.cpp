#include "encoder/command_line_quoting.h"

namespace encoder {

std::string QuoteArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) {
    return argument;
  }
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote escape it, so they are doubled and the
    // quote gets one more.
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  // Those before the closing quote are doubled too.
  quoted.append(2 * backslashes, '\\');
  return quoted + "\"";
}

std::string JoinArguments(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) {
      line += ' ';
    }
    line += QuoteArgument(argument);
  }
  return line;
}

}  // namespace encoder
