#include "console/split_rule.h"

namespace console {

namespace {

std::string ModeSeparator(TSplitMode mode, char splitChar) {
  switch (mode) {
    case sm0D0A:
      return "\r\n";
    case smSplitchar:
      return std::string(1, splitChar);
    default:
      return {};
  }
}

}  // namespace

std::string SplitRule::ReceiveSeparator() const {
  return splitReceive ? ModeSeparator(splitMode, splitChar) : std::string();
}

std::string SplitRule::SendSeparator() const {
  return splitSend ? ModeSeparator(splitMode, splitChar) : std::string();
}

}  // namespace console
