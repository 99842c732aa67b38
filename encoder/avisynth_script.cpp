#include "encoder/avisynth_script.h"

#include "base/path_text.h"

namespace encoder {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string WithoutBlanks(std::string_view text) {
  std::string kept;
  for (char c : text)
    if (kBlanks.find(c) == std::string_view::npos)
      kept += c;
  return kept;
}

}  // namespace

bool IsAviSynthScript(const std::string& path) {
  return base::LowerCase(base::ExtractFileExt(path)) == ".avs";
}

std::optional<std::string> DirectShowSourcePath(std::string_view script) {
  const std::string_view line = Trimmed(script);
  if (line.find_first_of("\r\n") != std::string_view::npos)
    return std::nullopt;

  constexpr std::string_view kCall = "directshowsource";
  if (base::LowerCase(std::string(line.substr(0, kCall.size()))) != kCall)
    return std::nullopt;
  std::string_view rest = Trimmed(line.substr(kCall.size()));
  if (rest.substr(0, 1) != "(")
    return std::nullopt;
  rest = Trimmed(rest.substr(1));
  if (rest.substr(0, 1) != "\"")
    return std::nullopt;
  const size_t close = rest.find('"', 1);
  if (close == std::string_view::npos || close == 1)
    return std::nullopt;

  const std::string tail = base::LowerCase(WithoutBlanks(rest.substr(close + 1)));
  if (tail != ")" && tail != ",convertfps=true)")
    return std::nullopt;
  return std::string(rest.substr(1, close - 1));
}

}  // namespace encoder
