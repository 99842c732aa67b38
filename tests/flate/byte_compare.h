#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace flate_test {

// Compares buffers and names the first difference, instead of printing
// megabytes of both.
inline ::testing::AssertionResult SameBytes(const std::vector<uint8_t>& actual,
                                            const std::vector<uint8_t>& expected) {
  if (actual == expected) {
    return ::testing::AssertionSuccess();
  }
  size_t first = 0;
  while (first < actual.size() && first < expected.size() && actual[first] == expected[first]) {
    ++first;
  }
  return ::testing::AssertionFailure() << "sizes " << actual.size() << " and " << expected.size()
                                       << ", first difference at byte " << first;
}

}  // namespace flate_test
