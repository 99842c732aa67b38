#include "joblist/job_list_file.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace joblist {

namespace {

constexpr std::string_view kHeader = "Vexmoor job list 1";
constexpr std::string_view kEndName = "end";
constexpr char kSeparator = '\t';
constexpr char kLineEnd = '\n';

struct StateName {
  EntryState state;
  std::string_view name;
};

constexpr StateName kStateNames[] = {
    {EntryState::Waiting, "waiting"},
    {EntryState::Converting, "converting"},
    {EntryState::Done, "done"},
    {EntryState::Failed, "failed"},
    {EntryState::Stopped, "stopped"},
    {EntryState::Skipped, "skipped"},
    {EntryState::Interrupted, "interrupted"},
};

std::string_view NameOf(EntryState state) {
  for (const StateName& known : kStateNames) {
    if (known.state == state) {
      return known.name;
    }
  }
  return kStateNames[0].name;
}

std::optional<EntryState> StateNamed(std::string_view name) {
  for (const StateName& known : kStateNames) {
    if (known.name == name) {
      return known.state;
    }
  }
  return std::nullopt;
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
}

std::optional<std::string> Unescaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) {
      return std::nullopt;
    }
    switch (text[i]) {
      case '\\':
        out += '\\';
        break;
      case 't':
        out += '\t';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        return std::nullopt;
    }
  }
  return out;
}

// Well-formed UTF-8 (RFC 3629), as the program makes of every wide name:
// no overlong forms, no surrogate halves, nothing above U+10FFFF. A name
// damaged on the disk seldom stays well-formed.
bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    // The sequence's length and the least code point it may carry.
    size_t length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      least = 0x10000;
    } else {
      return false;
    }
    if (text.size() - i < length) {
      return false;
    }
    char32_t code = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) {
        return false;
      }
      code = code << 6 | (next & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

std::optional<std::uint64_t> Number(std::string_view digits) {
  std::uint64_t value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (digits.empty() || error != std::errc() || stop != end) {
    return std::nullopt;
  }
  return value;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (size_t start = 0;;) {
    const size_t found = text.find(separator, start);
    if (found == std::string_view::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, found - start));
    start = found + 1;
  }
}

std::optional<std::string> Text(std::string_view field) {
  std::optional<std::string> text = Unescaped(field);
  if (!text || !IsUtf8(*text)) {
    return std::nullopt;
  }
  return text;
}

std::optional<JobEntry> ParseEntry(std::string_view line) {
  const std::vector<std::string_view> fields = Split(line, kSeparator);
  if (fields.size() != 4) {
    return std::nullopt;
  }
  const std::optional<EntryState> state = StateNamed(fields[0]);
  const std::optional<std::uint64_t> outputBytes = Number(fields[1]);
  std::optional<std::string> reason = Text(fields[2]);
  std::optional<std::string> path = Text(fields[3]);
  if (!state || !outputBytes || !reason || !path || path->empty()) {
    return std::nullopt;
  }
  JobEntry entry;
  entry.path = std::move(*path);
  entry.status.state = *state == EntryState::Converting ? EntryState::Interrupted : *state;
  entry.status.outputBytes = *outputBytes;
  entry.status.reason = std::move(*reason);
  return entry;
}

bool IsEndLine(std::string_view line, size_t entryCount) {
  const std::vector<std::string_view> fields = Split(line, kSeparator);
  return fields.size() == 2 && fields[0] == kEndName && Number(fields[1]) == entryCount;
}

std::optional<std::vector<JobEntry>> ParseWhole(std::string_view bytes) {
  if (bytes.empty() || bytes.back() != kLineEnd) {
    return std::nullopt;
  }
  bytes.remove_suffix(1);
  const std::vector<std::string_view> lines = Split(bytes, kLineEnd);
  if (lines.size() < 2 || lines.front() != kHeader) {
    return std::nullopt;
  }
  std::vector<JobEntry> entries;
  entries.reserve(lines.size() - 2);
  for (size_t i = 1; i + 1 < lines.size(); ++i) {
    std::optional<JobEntry> entry = ParseEntry(lines[i]);
    if (!entry) {
      return std::nullopt;
    }
    entries.push_back(std::move(*entry));
  }
  if (!IsEndLine(lines.back(), entries.size())) {
    return std::nullopt;
  }
  return entries;
}

}  // namespace

std::string FormatJobListFile(const std::vector<JobEntry>& entries) {
  std::string out;
  out.append(kHeader).push_back(kLineEnd);
  for (const JobEntry& entry : entries) {
    out.append(NameOf(entry.status.state)).push_back(kSeparator);
    out.append(std::to_string(entry.status.outputBytes)).push_back(kSeparator);
    AppendEscaped(out, entry.status.reason);
    out.push_back(kSeparator);
    AppendEscaped(out, entry.path);
    out.push_back(kLineEnd);
  }
  out.append(kEndName).push_back(kSeparator);
  out.append(std::to_string(entries.size())).push_back(kLineEnd);
  return out;
}

std::vector<JobEntry> ParseJobListFile(std::string_view bytes) {
  return ParseWhole(bytes).value_or(std::vector<JobEntry>());
}

}  // namespace joblist
