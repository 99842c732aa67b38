// Starts the console runner's scripted child (console_child.exe) through
// the window layer's child-process helper.
#include "win/child_process.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>

#include "win/pipe.h"

namespace win {
namespace {

ChildStart Start(const std::string& commands) {
  std::string program = "Z:" + std::string(CONSOLE_CHILD);
  std::replace(program.begin(), program.end(), '/', '\\');
  ChildStart start;
  start.commandLine = std::wstring(program.begin(), program.end()) + L" " +
                      std::wstring(commands.begin(), commands.end());
  return start;
}

// What the pipe held once every copy of its write end has gone; nothing
// when one is still open somewhere after 10 s.
std::optional<std::string> ReadToEnd(HANDLE pipe) {
  std::string bytes;
  for (DWORD waited = 0; waited < 10000;) {
    DWORD available = 0;
    if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) {
      return GetLastError() == ERROR_BROKEN_PIPE ? std::optional<std::string>(bytes) : std::nullopt;
    }
    if (available == 0) {
      Sleep(10);
      waited += 10;
      continue;
    }
    char buffer[256];
    DWORD count = 0;
    if (!ReadFile(pipe, buffer, std::min<DWORD>(available, sizeof buffer), &count, nullptr)) {
      return std::nullopt;
    }
    bytes.append(buffer, count);
  }
  return std::nullopt;
}

// A second child started while the first runs, by whatever code, must get
// none of the first one's pipe ends: a copy of our end of its standard input
// would keep it from ever reading the end of its input, a copy of its end of
// its standard output would keep that pipe open after it has ended.
TEST(ChildProcess, ASecondChildInheritsNoneOfTheFirstOnesEnds) {
  ChildStreams first = CreateChildStreams();
  const ChildProcess firstChild = StartChild(Start("waiteof out=done"), first);
  // The first one's ends stay open while the second starts, as the
  // console runner keeps them for its whole run.
  ChildStreams second = CreateChildStreams();
  const ChildProcess secondChild = StartChild(Start("waiteof"), second);

  first.input.childs.Reset();
  first.output.childs.Reset();
  first.error.childs.Reset();
  first.input.ours.Reset();
  ASSERT_EQ(WaitForSingleObject(firstChild.process.Get(), 20000), WAIT_OBJECT_0)
      << "the first child never read the end of its input";
  EXPECT_EQ(ReadToEnd(first.output.ours.Get()), "done");
  EXPECT_EQ(ReadToEnd(first.error.ours.Get()), "");

  second.input.ours.Reset();
  EXPECT_EQ(WaitForSingleObject(secondChild.process.Get(), 20000), WAIT_OBJECT_0);
}

}  // namespace
}  // namespace win
