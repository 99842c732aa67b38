#pragma once

#include <cstdint>
#include <optional>

namespace base {

// A file carried at the end of another one (its carrier), followed by a
// four-byte trailer: the carried file's size plus four, as a signed 32-bit
// little-endian number. What stands before the carried file is free.
struct AppendedFileSpan {
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
};

// Where the carried file lies in a carrier of carrierSize bytes whose last
// four bytes are `trailer`. Nothing when the trailer describes no file that
// fits: a count of four or less, or one larger than the carrier.
std::optional<AppendedFileSpan> LocateAppendedFile(std::uint64_t carrierSize,
                                                   const std::uint8_t (&trailer)[4]);

}  // namespace base
