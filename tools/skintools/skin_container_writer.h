#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_container_layout.h"

namespace skintools {

struct SkinValue {
  std::string name;
  skin::SkinValueKind kind;
  std::vector<uint8_t> data;  // as the container stores it
};

SkinValue BitmapValue(std::string name, std::vector<uint8_t> bmpFile);
SkinValue IntegerValue(std::string name, int32_t value);
SkinValue ByteValue(std::string name, uint8_t value);
SkinValue TextValue(std::string name, std::string_view text);

// A skin data container (see skin/skin_container_layout.h) holding the
// values in order: the header, then the records from offset 24 on, 77 bytes
// each, with the terminator last, then the values' data in the same order.
// Throws std::invalid_argument for a name that is empty, longer than 64
// characters or holds a NUL, and std::length_error past 4 GiB.
std::vector<uint8_t> BuildSkinContainer(const std::vector<SkinValue>& values);

}  // namespace skintools
