#include "encoder/avisynth_script.h"

#include "base/path_text.h"

namespace encoder {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string WithoutBlanks(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (kBlanks.find(c) == std::string_view::npos) {
      kept += c;
    }
  }
  return kept;
}

}  // namespace

bool IsUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t length;
    unsigned long code;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      code = lead & 0x07;
    } else {
      return false;
    }
    if (text.size() - i < length) {
      return false;
    }
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) {
        return false;
      }
      code = code << 6 | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF.
    const unsigned long smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
      return false;
    }
    i += length;
  }
  return true;
}

std::string ScriptText(std::string_view bytes,
                       const std::function<std::string(const std::string&)>& fromAnsi) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    bytes.remove_prefix(kByteOrderMark.size());
  }
  return IsUtf8(bytes) ? std::string(bytes) : fromAnsi(std::string(bytes));
}

bool IsAviSynthScript(const std::string& path) {
  return base::LowerCase(base::ExtractFileExt(path)) == ".avs";
}

std::optional<std::string> DirectShowSourcePath(std::string_view script) {
  const std::string_view line = Trimmed(script);
  if (line.find_first_of("\r\n") != std::string_view::npos) {
    return std::nullopt;
  }

  constexpr std::string_view kCall = "directshowsource";
  if (base::LowerCase(std::string(line.substr(0, kCall.size()))) != kCall) {
    return std::nullopt;
  }
  std::string_view rest = Trimmed(line.substr(kCall.size()));
  if (rest.substr(0, 1) != "(") {
    return std::nullopt;
  }
  rest = Trimmed(rest.substr(1));
  if (rest.substr(0, 1) != "\"") {
    return std::nullopt;
  }
  const size_t close = rest.find('"', 1);
  if (close == std::string_view::npos || close == 1) {
    return std::nullopt;
  }

  const std::string tail = base::LowerCase(WithoutBlanks(rest.substr(close + 1)));
  if (tail != ")" && tail != ",convertfps=true)") {
    return std::nullopt;
  }
  return std::string(rest.substr(1, close - 1));
}

}  // namespace encoder
