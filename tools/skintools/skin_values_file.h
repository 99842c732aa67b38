#pragma once

#include <istream>
#include <vector>

#include "tools/skintools/skin_container_writer.h"

namespace skintools {

// Reads the named integers, bytes and texts of a skin, one per line:
//
//   # Blank lines and lines whose first non-blank character is # are skipped.
//   integer SKIN2_FORMCOLOR 0x00CBCBCB
//   integer SKIN2_TITLEBARICONPOSX -4
//   byte    SKIN2_TITLEFIVESECT 1
//   text    SKIN2_AUTHOR Vexmoor\tteam
//
// Kind, name and value are separated by spaces or tabs. A name has 1 to 64
// characters. An integer is signed 32-bit decimal, or hexadecimal from 0x0
// to 0xFFFFFFFF taken as its bit pattern (colour numbers with a high byte
// of 0xFF are system colours). A byte is 0 to 255, decimal or hexadecimal.
// A text is the rest of the line after the blanks that follow the name,
// with the escapes of text_escape.h. A carriage return ending a line is
// dropped. Throws std::runtime_error naming the line of the first error.
std::vector<SkinValue> ParseSkinValues(std::istream& in);

}  // namespace skintools
