#include "base/appended_file.h"

#include "base/little_endian.h"

namespace base {

std::optional<AppendedFileSpan> LocateAppendedFile(std::uint64_t carrierSize,
                                                   const std::uint8_t (&trailer)[4]) {
  const auto count = static_cast<std::int32_t>(ReadLittleEndian32(trailer));
  if (count <= 4 || static_cast<std::uint64_t>(count) > carrierSize) {
    return std::nullopt;
  }
  return AppendedFileSpan{carrierSize - static_cast<std::uint64_t>(count),
                          static_cast<std::uint64_t>(count) - 4};
}

}  // namespace base
