#include <gtest/gtest.h>

#include "tests/main_window/main_window_fixture.h"
#include "tests/support/thread_cpu_time.h"

namespace main_window_test {
namespace {

using Names = std::vector<std::string>;
using RunDriverTest = MainWindowTest;
using test_support::ThreadCpuMilliseconds;

// A behaviour check, not a benchmark. A loop that polls for the end of the
// encoder shows about 40% here under Wine (each poll waits on the Wine
// server); a blocking wait stays under 10%.
TEST_F(RunDriverTest, WaitingForTheEncoderLeavesTheProcessorToIt) {
  AddEntry("slow.avi", "slow");
  const double cpuBefore = ThreadCpuMilliseconds();
  const DWORD start = GetTickCount();
  PressConvert();
  const double wallMs = GetTickCount() - start;
  const double cpuMs = ThreadCpuMilliseconds() - cpuBefore;
  ASSERT_EQ(Names{"slow.avi"}, StartedInputs());
  ASSERT_GT(wallMs, 900);
  EXPECT_LT(cpuMs, 0.2 * wallMs) << cpuMs << " ms of processor time in " << wallMs << " ms";
}

}  // namespace
}  // namespace main_window_test
