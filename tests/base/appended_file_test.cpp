#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "base/appended_file.h"
#include "encoder/payload_layout.h"

namespace {

struct Case {
  const char* name;
  std::uint64_t carrierSize;
  std::uint8_t trailer[4];
  std::optional<base::AppendedFileSpan> expected;
};

// The count is the carried size plus four, signed; anything that does not
// describe a file inside the carrier is refused.
TEST(AppendedFileTest, TrailerLocatesTheCarriedFileOrNothing) {
  const Case cases[] = {
      {"three bytes after a header", 17, {7, 0, 0, 0}, base::AppendedFileSpan{10, 3}},
      {"the whole carrier", 7, {7, 0, 0, 0}, base::AppendedFileSpan{0, 3}},
      {"count past the carrier's size", 6, {7, 0, 0, 0}, std::nullopt},
      {"empty carried file", 10, {4, 0, 0, 0}, std::nullopt},
      {"count below the trailer", 10, {2, 0, 0, 0}, std::nullopt},
      {"negative count", 10, {0xFF, 0xFF, 0xFF, 0xFF}, std::nullopt},
      {"count above 2 GB", 0x90000000ULL, {0, 0, 0, 0x80}, std::nullopt},
      {"little-endian count",
       0x20000,
       {0x04, 0x00, 0x01, 0x00},
       base::AppendedFileSpan{0xFFFC, 0x10000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto span = base::LocateAppendedFile(c.carrierSize, c.trailer);
    ASSERT_EQ(c.expected.has_value(), span.has_value());
    if (span) {
      EXPECT_EQ(c.expected->offset, span->offset);
      EXPECT_EQ(c.expected->size, span->size);
    }
  }
}

// The build writes plug.exe with the encoder's layout; the program must
// find in it exactly what the build put there.
TEST(AppendedFileTest, ReadsTheTrailerTheBuildWrites) {
  const std::string carried = "MZ the encoder";
  const std::string carrier = "header" + carried + encoder::EncodeCarrierTrailer(carried.size());
  std::uint8_t trailer[4];
  std::memcpy(trailer, carrier.data() + carrier.size() - 4, 4);
  const auto span = base::LocateAppendedFile(carrier.size(), trailer);
  ASSERT_TRUE(span);
  EXPECT_EQ(carried, carrier.substr(span->offset, span->size));
}

}  // namespace
