#include <gtest/gtest.h>

#include <thread>

#include "tests/support/thread_cpu_time.h"
#include "ui/application.h"
#include "win/unique.h"

namespace {

using test_support::ThreadCpuMilliseconds;
using ui::Application;
using WaitResult = ui::TApplication::WaitResult;

void DrainQueue() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

TEST(WaitTest, HandleSignalledLaterEndsTheWaitWithoutSpinning) {
  DrainQueue();
  win::UniqueHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::thread signaller([&] {
    Sleep(300);
    SetEvent(event.Get());
  });
  const double cpuBefore = ThreadCpuMilliseconds();
  const WaitResult result = Application().WaitForMessageOrHandle(event.Get(), 5000);
  const double cpuUsed = ThreadCpuMilliseconds() - cpuBefore;
  signaller.join();
  EXPECT_EQ(WaitResult::Signalled, result);
  // A busy loop would have used the whole 300 ms.
  EXPECT_LT(cpuUsed, 100.0);
}

TEST(WaitTest, MessageFromAnotherThreadEndsTheWait) {
  DrainQueue();
  win::UniqueHandle never(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  const DWORD mainThread = GetCurrentThreadId();
  std::thread poster([&] {
    Sleep(100);
    PostThreadMessageW(mainThread, WM_APP + 7, 0, 0);
  });
  EXPECT_EQ(WaitResult::Message, Application().WaitForMessageOrHandle(never.Get(), 5000));
  poster.join();
  MSG message;
  EXPECT_TRUE(PeekMessageW(&message, nullptr, WM_APP + 7, WM_APP + 7, PM_REMOVE));
}

// A message already looked at but left in the queue must still end the
// wait at once; waiting for new input only would sleep until the timeout.
TEST(WaitTest, MessageAlreadySeenInTheQueueEndsTheWaitAtOnce) {
  DrainQueue();
  PostMessageW(nullptr, WM_APP + 8, 0, 0);
  MSG message;
  ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE));
  const DWORD start = GetTickCount();
  EXPECT_EQ(WaitResult::Message, Application().WaitForMessageOrHandle(nullptr, 3000));
  EXPECT_LT(GetTickCount() - start, 2000u);
  DrainQueue();
}

TEST(WaitTest, NothingHappeningEndsWithTheTimeout) {
  DrainQueue();
  EXPECT_EQ(WaitResult::Timeout, Application().WaitForMessageOrHandle(nullptr, 50));
}

}  // namespace
