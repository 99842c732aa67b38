#pragma once

#include <windows.h>

namespace test_support {

// Processor time the calling thread has used so far, in milliseconds.
inline double ThreadCpuMilliseconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  auto ms = [](const FILETIME& time) {
    return ((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
           10000.0;
  };
  return ms(kernel) + ms(user);
}

}  // namespace test_support
