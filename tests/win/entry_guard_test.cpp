#include "win/entry_guard.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/report_log.h"
#include "tests/win/test_window.h"

namespace win_test {
namespace {

using Texts = std::vector<std::string>;

constexpr UINT kRaise = WM_APP + 2;

// A failure raised in a window procedure is reported while the message
// scope is still open, and what the message asked to release goes once it
// has closed; the window goes on.
TEST(EntryGuardTest, WindowProcedureFailureIsReportedBeforeTheScopeCloses) {
  test_support::ReportLog report;
  bool released = false;
  std::vector<bool> releasedWhenReported;
  report.onReport = [&] { releasedWhenReported.push_back(released); };
  TestWindow window("VexmoorGuardTest");
  window.onMessage = [&](UINT message) {
    if (message != kRaise) {
      return;
    }
    win::ReleaseWhenIdle([&] { released = true; });
    throw std::runtime_error("window procedure failed");
  };

  EXPECT_EQ(0, SendMessageW(window.Handle(), kRaise, 0, 0));
  EXPECT_EQ(report.texts, Texts{"window procedure failed"});
  EXPECT_EQ(releasedWhenReported, std::vector<bool>{false});
  EXPECT_TRUE(released);
  EXPECT_EQ(kTheAnswer, SendMessageW(window.Handle(), kAnswer, 0, 0));
}

LRESULT CALLBACK RaisingCreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    win::GuardedCall([] { throw std::runtime_error("hook failed"); });
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The system goes on with what it was doing: the window is made.
TEST(EntryGuardTest, HookFailureIsReportedAndStaysInTheHook) {
  test_support::ReportLog report;
  HHOOK hook = SetWindowsHookExW(WH_CBT, RaisingCreationHook, nullptr, GetCurrentThreadId());
  ASSERT_NE(nullptr, hook);
  TestWindow window("VexmoorGuardTest");
  UnhookWindowsHookEx(hook);

  EXPECT_NE(nullptr, window.Handle());
  EXPECT_EQ(report.texts, Texts{"hook failed"});
}

BOOL CALLBACK RaisingVisit(HWND, LPARAM visits) {
  return win::Guarded(FALSE, [&]() -> BOOL {
    ++*reinterpret_cast<int*>(visits);
    throw std::runtime_error("enumeration failed");
  });
}

// The fallback ends the walk after the first window.
TEST(EntryGuardTest, EnumerationFailureIsReportedAndEndsTheWalk) {
  test_support::ReportLog report;
  TestWindow first("VexmoorGuardTest", nullptr);
  TestWindow second("VexmoorGuardTest", nullptr);
  ASSERT_TRUE(first.Handle() && second.Handle());
  int visits = 0;
  EnumThreadWindows(GetCurrentThreadId(), RaisingVisit, reinterpret_cast<LPARAM>(&visits));

  EXPECT_EQ(1, visits);
  EXPECT_EQ(report.texts, Texts{"enumeration failed"});
}

// A worker's failure goes where its entry says, on the worker's thread; the
// process's report does not see it.
TEST(EntryGuardTest, ThreadEntryHandsItsFailureOver) {
  test_support::ReportLog report;
  Texts handedOver;
  std::thread worker([&] {
    win::GuardedCall(
        [] { throw std::runtime_error("worker failed"); },
        [&](std::exception_ptr error) { handedOver.push_back(win::ExceptionText(error)); });
  });
  worker.join();

  EXPECT_EQ(handedOver, Texts{"worker failed"});
  EXPECT_TRUE(report.texts.empty());
}

// A scope open on one thread keeps nothing of another thread waiting.
TEST(EntryGuardTest, ScopesCountPerThread) {
  win::MessageScope mainThreadScope;
  bool releasedAtOnce = false;
  bool releasedInScope = true;
  bool releasedAfterScope = false;
  std::thread worker([&] {
    win::ReleaseWhenIdle([&] { releasedAtOnce = true; });
    bool released = false;
    win::GuardedCall([&] {
      win::ReleaseWhenIdle([&] { released = true; });
      releasedInScope = released;
    });
    releasedAfterScope = released;
  });
  worker.join();

  EXPECT_TRUE(releasedAtOnce);
  EXPECT_FALSE(releasedInScope);
  EXPECT_TRUE(releasedAfterScope);
}

}  // namespace
}  // namespace win_test
