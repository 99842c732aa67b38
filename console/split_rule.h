#pragma once

#include <string>

namespace console {

// Separator rule for received output and for sent lines.
enum TSplitMode : int {
  smNone = 0,       // no separator
  sm0D0A = 1,       // carriage return and line feed
  smSplitchar = 2,  // the single byte SplitChar
};

// TConsoleIO's split properties: how received standard output is cut into
// texts and what ends a sent line.
struct SplitRule {
  bool splitReceive = true;
  bool splitSend = true;
  char splitChar = '\n';
  TSplitMode splitMode = sm0D0A;

  // What ends each received text; empty when received output is not cut.
  std::string ReceiveSeparator() const;
  // What SendLine appends to its text.
  std::string SendSeparator() const;
};

}  // namespace console
