#include "tools/skintools/text_escape.h"

#include <cstdio>
#include <stdexcept>

namespace skintools {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

}  // namespace

std::string EscapeText(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      escaped += "\\\\";
    } else if (c == '\t') {
      escaped += "\\t";
    } else if (c == '\n') {
      escaped += "\\n";
    } else if (c == '\r') {
      escaped += "\\r";
    } else if (byte < 0x20 || byte == 0x7F) {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      escaped += hex;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string UnescapeText(std::string_view escaped) {
  std::string text;
  for (size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\') {
      text += escaped[i];
      continue;
    }
    const char kind = i + 1 < escaped.size() ? escaped[++i] : '\0';
    if (kind == '\\') {
      text += '\\';
    } else if (kind == 't') {
      text += '\t';
    } else if (kind == 'n') {
      text += '\n';
    } else if (kind == 'r') {
      text += '\r';
    } else if (kind == 'x' && i + 2 < escaped.size() && HexDigit(escaped[i + 1]) >= 0 &&
               HexDigit(escaped[i + 2]) >= 0) {
      text += static_cast<char>(HexDigit(escaped[i + 1]) * 16 + HexDigit(escaped[i + 2]));
      i += 2;
    } else {
      throw std::invalid_argument("unknown escape in \"" + std::string(escaped) + "\"");
    }
  }
  return text;
}

}  // namespace skintools
