#pragma once

#include <cstdint>
#include <vector>

namespace skintools {

// zlib's raw deflate stream (no zlib header) of `data` at a zlib level
// (0-9) and strategy (Z_DEFAULT_STRATEGY, Z_FILTERED, ...).
std::vector<uint8_t> DeflateRaw(const std::vector<uint8_t>& data, int level, int strategy);

}  // namespace skintools
