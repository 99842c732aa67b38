#include "console/console_io.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/console/child_command.h"
#include "tests/support/report_log.h"
#include "ui/application.h"
#include "win/code_page.h"
#include "win/os_error.h"
#include "win/unique.h"

namespace console {
namespace {

using Lines = std::vector<std::string>;

// Dispatches messages until done() holds; false after timeout ms. Wakes on
// every message, on `handle` when given, and at least every 50 ms.
bool PumpUntil(const std::function<bool()>& done, DWORD timeout = 20000, HANDLE handle = nullptr) {
  const DWORD start = GetTickCount();
  for (;;) {
    ui::Application().ProcessMessages();
    if (done()) {
      return true;
    }
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeout) {
      return false;
    }
    MsgWaitForMultipleObjects(handle ? 1 : 0, &handle, FALSE,
                              std::min<DWORD>(timeout - elapsed, 50), QS_ALLINPUT);
  }
}

// This process's runner windows only: tests running alongside make their own.
int CountMessageWindows() {
  int count = 0;
  HWND window = nullptr;
  while ((window = FindWindowExA(HWND_MESSAGE, window, kConsoleIOWindowClass, nullptr))) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    count += process == GetCurrentProcessId();
  }
  return count;
}

// The child's "SYNC" (a whole standard-error chunk or standard-output line)
// means: it has written what came before and waits for a line. Answering it
// from the handler makes the text before and the text after two chunks.
constexpr char kSync[] = "SYNC";

// Writes every event of a component to a log: "out:", "err:", "error:" and
// the text, or "status:1" / "status:0".
class Recorder {
 public:
  explicit Recorder(TConsoleIO& io) {
    io.SetOnReceiveOutput(
        [this](TConsoleIO* sender, const std::string& text) { Receive(sender, "out:", text); });
    io.SetOnReceiveError(
        [this](TConsoleIO* sender, const std::string& text) { Receive(sender, "err:", text); });
    io.SetOnError(
        [this](TConsoleIO* sender, const std::string& text) { Receive(sender, "error:", text); });
    io.SetOnProcessStatusChange([this](TConsoleIO* sender, bool isRunning) {
      log.push_back(isRunning ? "status:1" : "status:0");
      runningInHandler.push_back(sender->IsRunning());
      exitCodeInHandler.push_back(sender->ExitCode());
    });
  }

  // The texts of one kind ("out:", "err:", "error:"), in order.
  Lines Of(const std::string& kind) const {
    Lines texts;
    for (const std::string& entry : log) {
      if (entry.compare(0, kind.size(), kind) == 0) {
        texts.push_back(entry.substr(kind.size()));
      }
    }
    return texts;
  }
  std::string Joined(const std::string& kind) const {
    std::string joined;
    for (const std::string& text : Of(kind)) {
      joined += text;
    }
    return joined;
  }

  Lines log;
  std::vector<bool> runningInHandler;
  std::vector<unsigned long> exitCodeInHandler;

 private:
  void Receive(TConsoleIO* sender, const char* kind, const std::string& text) {
    if (text == kSync) {  // the child reads up to a line feed
      sender->SendLine(sender->SplitMode() == smNone || !sender->SplitSend() ? "go\n" : "go");
    } else {
      log.push_back(kind + text);
    }
  }
};

class ConsoleIOTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (io->IsRunning()) {
      io->SetEnableKill(true);
      io->SetTerminateCommand("");
      io->StopProcess();
      EXPECT_TRUE(WaitForEnd());
    }
    io.reset();
    // The component's window goes when the last worker of its run lets go,
    // which can be after the component: wait for it here, or a later test
    // that counts these windows would see it go during its own count.
    EXPECT_TRUE(PumpUntil([] { return CountMessageWindows() == 0; }));
  }

  bool WaitForEnd() {
    return PumpUntil([this] { return !io->IsRunning(); });
  }
  void RunToEnd(const std::string& commands) {
    io->Run(ChildCommand(commands), "", false);
    ASSERT_TRUE(WaitForEnd()) << commands;
  }

  // The texts of the exceptions the component reported.
  test_support::ReportLog reported;
  std::unique_ptr<TConsoleIO> io = std::make_unique<TConsoleIO>(nullptr);
  Recorder recorder{*io};
};

TEST_F(ConsoleIOTest, HasTheDocumentedDefaults) {
  EXPECT_FALSE(io->IsRunning());
  EXPECT_EQ(io->TerminateCommand(), "quit");
  EXPECT_TRUE(io->StopProcessOnFree());
  EXPECT_FALSE(io->EnableKill());
  EXPECT_EQ(io->WaitTimeout(), 1000);
  EXPECT_EQ(io->SplitMode(), sm0D0A);
  EXPECT_EQ(io->SplitChar(), '\n');
  EXPECT_TRUE(io->SplitReceive());
  EXPECT_TRUE(io->SplitSend());
  EXPECT_EQ(static_cast<int>(smNone), 0);
  EXPECT_EQ(static_cast<int>(smSplitchar), 2);
}

struct SplitCase {
  const char* name;
  TSplitMode mode;
  char splitChar;
  bool splitReceive;
  const char* commands;  // "err=SYNC wait" separates two chunks
  Lines texts;           // every OnReceiveOutput call, the last one at the end
};

// The rules are the receive buffer's, tested natively; these cases take
// them through the pipes and the hand-overs of a real child.
TEST_F(ConsoleIOTest, SplitsStandardOutput) {
  // clang-format off
  const SplitCase cases[] = {
      {"CR LF cut between chunks", sm0D0A, '\n', true,
       R"(out=a\r err=SYNC wait out=\nb\r\n)", {"a", "b", ""}},
      {"SplitReceive false", smSplitchar, '\n', false,
       R"(out=a\nb err=SYNC wait out=c\n)", {"a\nb", "c\n", ""}},
  };
  // clang-format on
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.name);
    recorder.log.clear();
    io->SetSplitMode(c.mode);
    io->SetSplitChar(c.splitChar);
    io->SetSplitReceive(c.splitReceive);
    RunToEnd(c.commands);
    EXPECT_EQ(recorder.Of("out:"), c.texts);
    EXPECT_EQ(recorder.log.back(), "status:0");
  }
}

TEST_F(ConsoleIOTest, DeliversTheUnterminatedPieceOnlyAtTheEnd) {
  io->SetSplitMode(smSplitchar);
  io->Run(ChildCommand(R"(out=one\ntwo\nthree wait)"), "", false);
  ASSERT_TRUE(PumpUntil([this] { return recorder.Of("out:").size() == 2; }));
  EXPECT_EQ(recorder.Of("out:"), (Lines{"one", "two"}));
  EXPECT_TRUE(io->IsRunning());
  io->SendLine("go");
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(recorder.log, (Lines{"status:1", "out:one", "out:two", "out:three", "status:0"}));
}

TEST_F(ConsoleIOTest, PassesStandardErrorInRawChunks) {
  io->SetSplitMode(smSplitchar);
  RunToEnd(R"(err=ab\r\ncd out=SYNC\n wait err=e\nf)");
  const Lines chunks = recorder.Of("err:");
  ASSERT_FALSE(chunks.empty());
  EXPECT_EQ(chunks.front(), "ab\r\ncd");
  EXPECT_EQ(recorder.Joined("err:"), "ab\r\ncde\nf");
}

TEST_F(ConsoleIOTest, ReportsStartAndEndAroundAllOutput) {
  io->SetSplitMode(smSplitchar);
  io->Run(ChildCommand(R"(out=first\n err=e1 flood=1,64 err=e2 out=tail exit=5)"), "", false);
  EXPECT_EQ(recorder.log, Lines{"status:1"});  // fired inside Run
  ASSERT_TRUE(WaitForEnd());
  // Nothing of the run comes after its end, not even a moment later.
  PumpUntil([] { return false; }, 200);

  const Lines& log = recorder.log;
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log.front(), "status:1");
  EXPECT_EQ(log[log.size() - 2], "out:tail");  // the final flush comes before the end
  EXPECT_EQ(log.back(), "status:0");
  EXPECT_EQ(std::count(log.begin(), log.end(), "status:0"), 1);
  const Lines out = recorder.Of("out:");
  EXPECT_EQ(out.size(), 1 + (1u << 20) / 64 + 1);
  EXPECT_EQ(out.front(), "first");
  EXPECT_EQ(recorder.Joined("err:"), "e1e2");
  EXPECT_EQ(recorder.runningInHandler, (std::vector<bool>{true, false}));
  EXPECT_EQ(recorder.exitCodeInHandler.back(), 5u);
  EXPECT_EQ(io->ExitCode(), 5u);
}

struct SendCase {
  const char* name;
  TSplitMode mode;
  char splitChar;
  bool splitSend;
  Lines sent;
  const char* received;  // as the child echoes it
};

TEST_F(ConsoleIOTest, SendLineAppendsTheSeparator) {
  const SendCase cases[] = {
      {"defaults", sm0D0A, '\n', true, {"abc"}, R"(abc\x0d\x0a)"},
      {"line feed", smSplitchar, '\n', true, {"abc"}, R"(abc\x0a)"},
      {"another split char", smSplitchar, ';', true, {"ab"}, "ab;"},
      {"SplitSend false", sm0D0A, '\n', false, {"ab", "cd"}, "abcd"},
      {"smNone", smNone, '\n', true, {"ab", "cd"}, "abcd"},
  };
  for (const SendCase& c : cases) {
    SCOPED_TRACE(c.name);
    recorder.log.clear();
    io->SetSplitMode(c.mode);
    io->SetSplitChar(c.splitChar);
    io->SetSplitSend(c.splitSend);
    size_t bytes = 0;
    for (const std::string& text : c.sent) {
      bytes += text.size() + (c.splitSend && c.mode != smNone ? (c.mode == sm0D0A ? 2 : 1) : 0);
    }
    io->Run(ChildCommand("echo=" + std::to_string(bytes)), "", false);
    for (const std::string& text : c.sent) {
      io->SendLine(text);
    }
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(recorder.Joined("err:"), c.received);
  }
}

TEST_F(ConsoleIOTest, SendLineWithoutChildRaises) {
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round == 0 ? "never started" : "after a run");
    try {
      io->SendLine("quit");
      ADD_FAILURE() << "no exception";
    } catch (const win::EOSError& error) {
      EXPECT_EQ(error.ErrorCode(), static_cast<unsigned long>(ERROR_INVALID_HANDLE));
      EXPECT_EQ(std::string(error.what()), win::OSErrorText(ERROR_INVALID_HANDLE));
    }
    RunToEnd("exit=0");
  }
}

TEST_F(ConsoleIOTest, StopWhenIdleDoesNothing) {
  io->SetEnableKill(true);
  io->StopProcess();
  EXPECT_TRUE(recorder.log.empty());
}

TEST_F(ConsoleIOTest, StopWithoutKillOnlyWritesTheCommand) {
  io->SetWaitTimeout(60000);
  io->Run(ChildCommand("echo=6 ignore"), "", false);
  const DWORD start = GetTickCount();
  io->StopProcess();
  EXPECT_LT(GetTickCount() - start, 30000u);  // no wait
  ASSERT_TRUE(PumpUntil([this] { return !recorder.Of("err:").empty(); }));
  EXPECT_EQ(recorder.Joined("err:"), R"(quit\x0d\x0a)");
  EXPECT_TRUE(io->IsRunning());
}

TEST_F(ConsoleIOTest, StopWithEmptyCommandKillsAtOnce) {
  io->SetEnableKill(true);
  io->SetTerminateCommand("");
  io->SetWaitTimeout(60000);
  io->SetSplitMode(smSplitchar);
  // Killed once it runs: a child killed while Wine still sets up its console
  // can leave a console host behind that holds this test's output open.
  io->Run(ChildCommand(R"(out=ready\n echo=1)"), "", false);
  ASSERT_TRUE(PumpUntil([this] { return !recorder.Of("out:").empty(); }));
  const DWORD start = GetTickCount();
  io->StopProcess();
  EXPECT_LT(GetTickCount() - start, 30000u);  // no wait
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(io->ExitCode(), 4u);
  EXPECT_TRUE(recorder.Of("err:").empty());  // nothing was written
}

TEST_F(ConsoleIOTest, StopLetsAnObeyingChildEnd) {
  io->SetEnableKill(true);
  io->SetWaitTimeout(20000);
  io->Run(ChildCommand("quit exit=7"), "", false);
  io->StopProcess();
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(io->ExitCode(), 7u);
}

TEST_F(ConsoleIOTest, StopKillsAnIgnoringChildAfterTheTimeout) {
  io->SetEnableKill(true);
  io->SetWaitTimeout(300);
  io->Run(ChildCommand("ignore"), "", false);
  const DWORD start = GetTickCount();
  io->StopProcess();
  EXPECT_GE(GetTickCount() - start, 250u);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(io->ExitCode(), 4u);
  EXPECT_EQ(recorder.log.back(), "status:0");
}

TEST_F(ConsoleIOTest, RunFailureRaisesTheSystemError) {
  try {
    io->Run("no-such-program-4a1f.exe", "", false);
    ADD_FAILURE() << "no exception";
  } catch (const win::EOSError& error) {
    EXPECT_EQ(error.ErrorCode(), static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(std::string(error.what()).rfind("System Error.  Code: 2.\r\n", 0), 0u)
        << error.what();
  }
  EXPECT_FALSE(io->IsRunning());
  EXPECT_TRUE(recorder.log.empty());
  RunToEnd("exit=0");
  EXPECT_EQ(recorder.log, (Lines{"status:1", "out:", "status:0"}));
}

TEST_F(ConsoleIOTest, RunWhileRunningIsRefused) {
  io->Run(ChildCommand("wait"), "", false);
  try {
    io->Run(ChildCommand("exit=0"), "", false);
    ADD_FAILURE() << "no exception";
  } catch (const EAssertionFailed& error) {
    const std::string text = error.what();
    EXPECT_NE(text.find("Assertion failure"), std::string::npos) << text;
    EXPECT_NE(text.find("ConsoleIO"), std::string::npos) << text;
  }
  EXPECT_TRUE(io->IsRunning());
  io->SendLine("go");
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(recorder.log, (Lines{"status:1", "out:", "status:0"}));
}

TEST_F(ConsoleIOTest, HandlerExceptionsReachTheApplication) {
  Lines texts;
  io->SetSplitMode(smSplitchar);
  io->SetOnReceiveOutput([&texts](TConsoleIO*, const std::string& text) {
    texts.push_back(text);
    if (text == "bad" || text == "tail") {
      throw std::runtime_error("failed on " + text);
    }
  });
  // A raising handler leaves the rest of its chunk for the next chunk.
  RunToEnd(R"(out=bad\n err=SYNC wait out=after\ntail)");
  EXPECT_EQ(texts, (Lines{"bad", "after", "tail"}));
  EXPECT_EQ(reported.texts, (Lines{"failed on bad", "failed on tail"}));
  EXPECT_EQ(reported.threads, std::vector<DWORD>(2, GetCurrentThreadId()));
  // The failing final flush did not keep the component from its end.
  EXPECT_FALSE(io->IsRunning());
  EXPECT_EQ(recorder.log.back(), "status:0");
}

TEST_F(ConsoleIOTest, StatusHandlerFailureInRunStillReportsTheEnd) {
  io->SetOnProcessStatusChange([](TConsoleIO*, bool isRunning) {
    if (isRunning) {
      throw std::runtime_error("status failed");
    }
  });
  EXPECT_THROW(io->Run(ChildCommand("exit=3"), "", false), std::runtime_error);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(io->ExitCode(), 3u);
}

TEST_F(ConsoleIOTest, EmptyCurrentDirInheritsTheWorkingDirectory) {
  char own[MAX_PATH], temp[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, own);
  std::string other(temp, GetTempPathA(MAX_PATH, temp));
  if (other.size() > 3 && other.back() == '\\') {
    other.pop_back();
  }
  ASSERT_NE(lstrcmpiA(own, other.c_str()), 0);

  io->SetSplitMode(smSplitchar);
  RunToEnd("cwd");
  io->Run(ChildCommand("cwd"), other, false);
  ASSERT_TRUE(WaitForEnd());
  const Lines out = recorder.Of("out:");
  ASSERT_EQ(out.size(), 4u);
  EXPECT_EQ(lstrcmpiA(out[0].c_str(), own), 0) << out[0] << " / " << own;
  EXPECT_EQ(lstrcmpiA(out[2].c_str(), other.c_str()), 0) << out[2] << " / " << other;
}

// A process that inherited the pipes may write after the end was handled;
// what it writes still arrives, after the status change.
TEST_F(ConsoleIOTest, OutputAfterTheDrainBoundArrivesAfterTheEnd) {
  io->SetSplitMode(smSplitchar);
  RunToEnd(R"(out=a\n spawn=2500,late\n)");
  ASSERT_TRUE(PumpUntil([this] { return recorder.Joined("err:") == "late\n"; }));
  ASSERT_TRUE(PumpUntil([this] { return recorder.Of("out:").size() == 4; }));
  const Lines& log = recorder.log;
  const auto end = std::find(log.begin(), log.end(), "status:0");
  EXPECT_EQ(std::count(log.begin(), log.end(), "status:0"), 1);
  EXPECT_GT(end - std::find(log.begin(), log.end(), "out:a"), 0);
  EXPECT_GT(std::find(log.begin(), log.end(), "out:late") - end, 0);
  EXPECT_GT(std::find(log.begin(), log.end(), "err:late\n") - end, 0);
}

// The program's texts are UTF-8: the command line and the working folder
// reach the child whole, whatever the system's ANSI code page holds.
TEST_F(ConsoleIOTest, PassesTextOutsideTheCodePageToTheChild) {
  const std::string name = "中文 café";
  char temp[MAX_PATH];
  const std::string folder = std::string(temp, GetTempPathA(MAX_PATH, temp)) + name;
  CreateDirectoryW(win::Utf8ToWide(folder).c_str(), nullptr);
  io->SetSplitMode(smSplitchar);
  io->Run(ChildCommand("args cwd") + " " + name, folder, false);
  ASSERT_TRUE(WaitForEnd());
  RemoveDirectoryW(win::Utf8ToWide(folder).c_str());
  const Lines out = recorder.Of("out:");
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0], ChildCommand("args cwd") + " " + name);
  EXPECT_EQ(win::Utf8ToWide(out[1]), win::Utf8ToWide(folder));
}

// A forced end takes what the child started with it and returns once all
// of it is gone: nothing it ran keeps a file open afterwards.
TEST_F(ConsoleIOTest, ForcedEndEndsTheProcessesTheChildStarted) {
  io->SetEnableKill(true);
  io->SetTerminateCommand("");
  io->SetSplitMode(smSplitchar);
  io->Run(ChildCommand("spawn=60000 ignore"), "", false);
  ASSERT_TRUE(PumpUntil([this] { return !recorder.Of("out:").empty(); }));
  win::UniqueHandle grandchild(
      OpenProcess(SYNCHRONIZE, FALSE, std::stoul(recorder.Of("out:").front())));
  ASSERT_TRUE(grandchild);
  io->StopProcess();
  EXPECT_EQ(WaitForSingleObject(grandchild.Get(), 0), WAIT_OBJECT_0);
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(io->ExitCode(), 4u);
}

// Makes every blocking read of the other threads of this process fail.
void CancelReadsOfOtherThreads() {
  using CancelSynchronousIoFunction = BOOL(WINAPI*)(HANDLE);
  static const auto cancel =
      reinterpret_cast<CancelSynchronousIoFunction>(reinterpret_cast<void (*)()>(
          GetProcAddress(GetModuleHandleA("kernel32.dll"), "CancelSynchronousIo")));
  ASSERT_TRUE(cancel);
  win::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot.Get(), &entry); more;
       more = Thread32Next(snapshot.Get(), &entry)) {
    if (entry.th32OwnerProcessID != GetCurrentProcessId() ||
        entry.th32ThreadID == GetCurrentThreadId()) {
      continue;
    }
    win::UniqueHandle thread(OpenThread(THREAD_TERMINATE, FALSE, entry.th32ThreadID));
    if (thread) {
      cancel(thread.Get());
    }
  }
}

// A read that fails while the child runs is reported with the system's
// text, and the reader goes on reading.
TEST_F(ConsoleIOTest, ReportsAFailedReadAndReadsOn) {
  io->SetSplitMode(smSplitchar);
  io->Run(ChildCommand(R"(out=before\n wait out=after\n)"), "", false);
  ASSERT_TRUE(PumpUntil([this] { return !recorder.Of("out:").empty(); }));
  ASSERT_TRUE(PumpUntil(
      [this] {
        CancelReadsOfOtherThreads();
        return recorder.Of("error:").size() >= 2;
      },
      20000));
  const std::string expected = win::OSErrorText(ERROR_OPERATION_ABORTED);
  for (const std::string& text : recorder.Of("error:")) {
    EXPECT_EQ(text, expected);
  }
  io->SendLine("go");
  ASSERT_TRUE(WaitForEnd());
  EXPECT_EQ(recorder.Of("out:"), (Lines{"before", "after", ""}));
}

TEST_F(ConsoleIOTest, EndWaitsOnlyBrieflyForPipesHeldByAnotherProcess) {
  io->SetSplitMode(smSplitchar);
  const DWORD start = GetTickCount();
  // The grandchild inherits the output pipes and keeps them for 10 s.
  RunToEnd(R"(out=a\n spawn=10000 out=b\n)");
  EXPECT_LT(GetTickCount() - start, 8000u);
  const Lines out = recorder.Of("out:");
  ASSERT_EQ(out.size(), 4u);
  win::UniqueHandle grandchild(OpenProcess(PROCESS_TERMINATE, FALSE, std::stoul(out[1])));
  EXPECT_TRUE(grandchild && TerminateProcess(grandchild.Get(), 0));
  EXPECT_EQ(out, (Lines{"a", out[1], "b", ""}));
}

TEST(ConsoleIODestroyTest, DestroyedMidRunLeavesNothingBehind) {
  test_support::ReportLog reported;
  const int windowsBefore = CountMessageWindows();
  Lines first;
  auto io = std::make_unique<TConsoleIO>(nullptr);
  io->SetSplitMode(smSplitchar);
  io->SetStopProcessOnFree(false);
  io->SetOnReceiveOutput([&first](TConsoleIO*, const std::string& text) { first.push_back(text); });
  io->SetOnReceiveError(
      [&first](TConsoleIO*, const std::string& text) { first.push_back("err:" + text); });
  io->SetOnProcessStatusChange(
      [&first](TConsoleIO*, bool running) { first.push_back(running ? "status:1" : "status:0"); });
  // Writes on both outputs for about half a second, then ends once its
  // standard input has ended.
  io->Run(ChildCommand("pid drip=25,20 waiteof"), "", false);
  // Its first line of standard output is its process id.
  ASSERT_TRUE(PumpUntil(
      [&first] { return std::find(first.begin(), first.end(), "drip 0") != first.end(); }));
  const std::string pid = *std::find_if(first.begin(), first.end(), [](const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  });
  win::UniqueHandle child(
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, std::stoul(pid)));
  ASSERT_TRUE(child);

  io.reset();
  ASSERT_EQ(first.back(), "status:0");  // from the destructor
  const size_t firstEvents = first.size();

  // A new component, probably with the same window handle, sees nothing of
  // the first one's run.
  TConsoleIO second(nullptr);
  second.SetSplitMode(smSplitchar);
  Recorder recorder(second);
  second.Run(ChildCommand("drip=3,10"), "", false);
  ASSERT_TRUE(PumpUntil(
      [&] { return WaitForSingleObject(child.Get(), 0) == WAIT_OBJECT_0 && !second.IsRunning(); },
      20000, child.Get()));
  EXPECT_EQ(first.size(), firstEvents);
  EXPECT_EQ(recorder.Of("out:"), (Lines{"drip 0", "drip 1", "drip 2", ""}));
  DWORD exitCode = 1;
  GetExitCodeProcess(child.Get(), &exitCode);
  EXPECT_EQ(exitCode, 0u);  // it met the end of its standard input

  // The first run's workers end with its child; the last one to let go of
  // the run frees the first component's window.
  EXPECT_TRUE(PumpUntil([&] { return CountMessageWindows() == windowsBefore + 1; }));
  EXPECT_TRUE(reported.texts.empty());
}

TEST(ConsoleIODestroyTest, DestroyedBeforeTheEndWasHandled) {
  test_support::ReportLog reported;
  const int windowsBefore = CountMessageWindows();
  Lines log;
  auto io = std::make_unique<TConsoleIO>(nullptr);
  io->SetSplitMode(smSplitchar);
  io->SetOnReceiveOutput([&log](TConsoleIO*, const std::string& text) { log.push_back(text); });
  io->SetOnProcessStatusChange(
      [&log](TConsoleIO*, bool running) { log.push_back(running ? "status:1" : "status:0"); });
  io->Run(ChildCommand(R"(pid wait out=late\n)"), "", false);
  ASSERT_TRUE(PumpUntil([&log] { return log.size() >= 2; }));
  win::UniqueHandle child(
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, std::stoul(log[1])));
  ASSERT_TRUE(child);
  io->SendLine("go");
  // The child writes its last line and ends while nothing is dispatched.
  ASSERT_EQ(WaitForSingleObject(child.Get(), 10000), WAIT_OBJECT_0);
  io.reset();
  EXPECT_EQ(log, (Lines{"status:1", log[1], "status:0"}));
  EXPECT_TRUE(PumpUntil([&] { return CountMessageWindows() == windowsBefore; }));
  EXPECT_EQ(log.size(), 3u);
  EXPECT_TRUE(reported.texts.empty());
}

TEST(ConsoleIODestroyTest, DestroyedMidRunStopsTheChildWhenAsked) {
  test_support::ReportLog reported;
  const int windowsBefore = CountMessageWindows();
  Lines log;
  auto io = std::make_unique<TConsoleIO>(nullptr);
  io->SetSplitMode(smSplitchar);
  io->SetEnableKill(true);
  io->SetTerminateCommand("");
  io->SetOnReceiveOutput([&log](TConsoleIO*, const std::string& text) { log.push_back(text); });
  io->SetOnProcessStatusChange(
      [&log](TConsoleIO*, bool running) { log.push_back(running ? "status:1" : "status:0"); });
  io->Run(ChildCommand("pid ignore"), "", false);
  ASSERT_TRUE(PumpUntil([&log] { return log.size() >= 2; }));
  win::UniqueHandle child(
      OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, std::stoul(log[1])));
  ASSERT_TRUE(child);
  io.reset();
  EXPECT_EQ(log.back(), "status:0");
  ASSERT_EQ(WaitForSingleObject(child.Get(), 10000), WAIT_OBJECT_0);
  DWORD exitCode = 0;
  GetExitCodeProcess(child.Get(), &exitCode);
  EXPECT_EQ(exitCode, 4u);
  EXPECT_TRUE(PumpUntil([&] { return CountMessageWindows() == windowsBefore; }));
  EXPECT_TRUE(reported.texts.empty());
}

}  // namespace
}  // namespace console
