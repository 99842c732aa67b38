#pragma once

#include <optional>
#include <string_view>

namespace settings {

// An integer setting's text: hexadecimal when it starts with "$", or with
// "0x" or "0X" and is longer than that; otherwise decimal with an optional
// sign. Hexadecimal takes up to eight digits, read as the bits of a 32-bit
// number; decimal must fit into 32 bits. Nothing for any other text.
std::optional<int> ParseProfileInteger(std::string_view text);

}  // namespace settings
