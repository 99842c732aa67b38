#include <gtest/gtest.h>
#include <zlib.h>

#include "flate/crc32.h"
#include "tests/flate/sample_data.h"

namespace flate_test {
namespace {

// The cipher's key schedule runs on the standard CRC-32 step; with the
// usual inversions around it, it must give zlib's checksum.
TEST(Crc32StepTest, GivesZlibsChecksum) {
  const std::vector<uint8_t> data = RandomBytes(4096, 11);
  uint32_t crc = 0xFFFFFFFF;
  for (uint8_t byte : data) {
    crc = flate::Crc32Step(crc, byte);
  }
  EXPECT_EQ(crc ^ 0xFFFFFFFF, crc32(0, data.data(), static_cast<uInt>(data.size())));
}

}  // namespace
}  // namespace flate_test
