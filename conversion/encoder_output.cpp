#include "conversion/encoder_output.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace conversion {

std::string ExtractBetween(const std::string& startMarker, const std::string& endMarker,
                           const std::string& text) {
  const std::size_t end = text.rfind(endMarker);
  if (end == std::string::npos || end < startMarker.size()) {
    return "";
  }
  const std::size_t start = text.rfind(startMarker, end - startMarker.size());
  if (start == std::string::npos) {
    return "";
  }
  const std::size_t valueStart = start + startMarker.size();
  return text.substr(valueStart, end - valueStart);
}

std::vector<std::string> SplitText(std::string text, const std::string& separator) {
  std::vector<std::string> pieces;
  std::size_t found;
  while ((found = text.find(separator)) != std::string::npos) {
    if (found > 0) {
      pieces.push_back(text.substr(0, found));
    }
    text.erase(0, found + separator.size());
  }
  if (!text.empty()) {
    pieces.push_back(text);
  }
  return pieces;
}

namespace {

// Blanks and control characters, as trimmed around values.
bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

std::string Trim(const std::string& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) {
    ++first;
  }
  while (last > first && IsBlank(text[last - 1])) {
    --last;
  }
  return text.substr(first, last - first);
}

std::optional<std::int64_t> ParseInteger(const std::string& text) {
  if (text.empty() || IsBlank(text.front()) || IsBlank(text.back())) {
    return std::nullopt;
  }
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || end != text.c_str() + text.size()) {
    return std::nullopt;
  }
  return value;
}

std::optional<double> ParseDecimal(const std::string& text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) {
    return std::nullopt;
  }
  for (char c : trimmed) {
    if (!(c >= '0' && c <= '9') && c != '.' && c != '-' && c != '+' && c != 'e' && c != 'E') {
      return std::nullopt;
    }
  }
  char* end = nullptr;
  const double value = std::strtod(trimmed.c_str(), &end);
  if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// H:M:S.F read as whole seconds: tenths and finer add F div 10.
std::optional<double> ParseDuration(const std::string& text) {
  const std::vector<std::string> secondsAndFraction = SplitText(text, ".");
  if (secondsAndFraction.size() != 2) {
    return std::nullopt;
  }
  const std::vector<std::string> fields = SplitText(secondsAndFraction[0], ":");
  if (fields.size() != 3) {
    return std::nullopt;
  }
  const auto hours = ParseInteger(fields[0]);
  const auto minutes = ParseInteger(fields[1]);
  const auto seconds = ParseInteger(fields[2]);
  const auto fraction = ParseInteger(secondsAndFraction[1]);
  if (!hours || !minutes || !seconds || !fraction) {
    return std::nullopt;
  }
  const double total = static_cast<double>(*hours) * 3600 + static_cast<double>(*minutes) * 60 +
                       static_cast<double>(*seconds) + static_cast<double>(*fraction / 10);
  return total;
}

// Rounds to the nearest integer, halves to even; nothing when out of range.
std::optional<std::int64_t> RoundHalfEven(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 9.2e18) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(std::nearbyint(value));
}

}  // namespace

std::optional<EncoderProgress> ParseEncoderOutput(const std::string& text,
                                                  EncoderProgressState& state) {
  const std::string duration = Trim(ExtractBetween("Duration:", ", start:", text));
  if (!duration.empty()) {
    const auto seconds = ParseDuration(duration);
    if (!seconds) {
      return std::nullopt;
    }
    state.durationSeconds = *seconds;
  }
  if (!(state.durationSeconds > 0.01)) {
    state.durationSeconds = 1.0;
  }

  const std::string rate = ExtractBetween(", ", " fps(r)", text);
  if (!rate.empty()) {
    const auto parsed = ParseDecimal(rate);
    if (!parsed) {
      return std::nullopt;
    }
    state.frameRate = *parsed;
  }
  if (!(state.frameRate > 0.01)) {
    state.frameRate = 1.0;
  }

  EncoderProgress progress;
  const auto total = RoundHalfEven(state.frameRate * state.durationSeconds);
  if (!total || *total <= 0) {
    return std::nullopt;
  }
  progress.total = *total;

  const std::string frames = Trim(ExtractBetween("frame=", "q=", text));
  if (!frames.empty()) {
    const auto parsed = ParseInteger(frames);
    if (!parsed) {
      return std::nullopt;
    }
    progress.frameCount = *parsed;
  }
  if (progress.frameCount > progress.total) {
    progress.frameCount = progress.total;
  }

  const double percentage =
      std::nearbyint(static_cast<double>(progress.frameCount) * 100.0 / progress.total);
  progress.position = static_cast<int>(std::fmin(std::fmax(percentage, 0.0), 99.0));
  return progress;
}

std::string FormatWithStrings(const std::string& format,
                              const std::vector<std::string>& arguments) {
  std::string result;
  std::size_t used = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] == '%' && i + 1 < format.size()) {
      const char next = format[i + 1];
      if (next == '%') {
        result += '%';
        ++i;
        continue;
      }
      if (next == 's' && used < arguments.size()) {
        result += arguments[used++];
        ++i;
        continue;
      }
    }
    result += format[i];
  }
  return result;
}

std::string FormatWithString(const std::string& format, const std::string& argument) {
  return FormatWithStrings(format, {argument});
}

std::string FormatProgressStatus(const std::string& statusFormat, int selectedIndex, int itemCount,
                                 const std::string& fileName, const EncoderProgress& progress) {
  const std::string position = std::to_string(selectedIndex + 1) + "/" + std::to_string(itemCount);
  return FormatWithString(statusFormat, position) + " " + fileName + " " + " [" +
         std::to_string(progress.frameCount) + "/" + std::to_string(progress.total) + "]";
}

}  // namespace conversion
