#pragma once

#include <windows.h>

namespace test_support {

// The performance counter in milliseconds: wall time for the benchmarks'
// figures, beside ThreadCpuMilliseconds for processor time.
inline double WallMilliseconds() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / frequency;
}

}  // namespace test_support
