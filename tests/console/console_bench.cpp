// Throughput of TConsoleIO in line mode against plain reads of the same
// child's standard output, measured in one run.
//
//   console_bench [MB [ROUNDS]]   (default 50 MB, 5 rounds)
//
// The child (console_child.exe flood=MB,80) writes MB MiB of 80-byte lines.
// The plain reader makes its own pipe, starts the child the way TConsoleIO
// does and reads until the pipe ends, once with TConsoleIO's 1025-byte reads
// and once with 64 KiB reads. TConsoleIO cuts the output at line feed and
// hands every chunk to this (main) thread. Each is timed from the start of
// the child to the end of its output; the median of the rounds counts.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "console/console_io.h"
#include "tests/console/child_command.h"
#include "win/os_error.h"
#include "win/unique.h"

namespace {

struct Result {
  double seconds = 0;
  long long bytes = 0;
  long long lines = 0;
};

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

Result PlainRead(const std::string& command, DWORD readSize) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd, writeEnd;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
    win::RaiseLastOSError();
  }
  win::UniqueHandle read(readEnd), write(writeEnd);
  SetHandleInformation(read.Get(), HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
  startup.wShowWindow = SW_HIDE;
  startup.hStdOutput = write.Get();
  startup.hStdError = write.Get();
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  PROCESS_INFORMATION created;
  Result result;
  const double start = Now();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE, nullptr,
                      nullptr, &startup, &created)) {
    win::RaiseLastOSError();
  }
  win::UniqueHandle process(created.hProcess), thread(created.hThread);
  write.Reset();

  std::vector<char> buffer(readSize);
  DWORD count;
  while (ReadFile(read.Get(), buffer.data(), readSize, &count, nullptr)) {
    result.bytes += count;
    for (const char* at = buffer.data();
         (at = static_cast<const char*>(std::memchr(at, '\n', buffer.data() + count - at))); ++at) {
      ++result.lines;
    }
  }
  result.seconds = Now() - start;
  WaitForSingleObject(process.Get(), INFINITE);
  return result;
}

Result ThroughConsoleIO(const std::string& command) {
  Result result;
  console::TConsoleIO io(nullptr);
  io.SetSplitMode(console::smSplitchar);
  io.SetOnReceiveOutput([&result](console::TConsoleIO*, const std::string& text) {
    if (!text.empty()) {
      result.bytes += static_cast<long long>(text.size()) + 1;
      ++result.lines;
    }
  });
  const double start = Now();
  io.Run(command, "", false);
  while (io.IsRunning()) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageA(&message);
    }
    if (io.IsRunning()) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
    }
  }
  result.seconds = Now() - start;
  return result;
}

double Rate(const Result& result) {
  return static_cast<double>(result.bytes) / (1 << 20) / result.seconds;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int megabytes = argc > 1 ? std::atoi(argv[1]) : 50;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
  const std::string command = ChildCommand("flood=" + std::to_string(megabytes) + ",80");
  const long long expected = static_cast<long long>(megabytes) << 20;
  std::printf("%d MiB of 80-byte lines on standard output; MB = 2^20 bytes\n", megabytes);
  std::vector<double> plain, large, console;
  for (int round = 1; round <= rounds; ++round) {
    const Result results[] = {PlainRead(command, 1025), PlainRead(command, 65536),
                              ThroughConsoleIO(command)};
    for (const Result& result : results) {
      if (result.bytes != expected || result.lines != expected / 80) {
        std::printf("wrong count: %lld bytes, %lld lines\n", result.bytes, result.lines);
        return 1;
      }
    }
    plain.push_back(Rate(results[0]));
    large.push_back(Rate(results[1]));
    console.push_back(Rate(results[2]));
    std::printf(
        "round %d: plain ReadFile 1025 B %6.1f MB/s | plain ReadFile 64 KiB %6.1f MB/s | "
        "TConsoleIO %6.1f MB/s\n",
        round, plain.back(), large.back(), console.back());
  }
  std::printf(
      "median:  plain ReadFile 1025 B %6.1f MB/s | plain ReadFile 64 KiB %6.1f MB/s | "
      "TConsoleIO %6.1f MB/s\n",
      Median(plain), Median(large), Median(console));
  std::printf("TConsoleIO / plain 1025 B = %.2f, TConsoleIO / plain 64 KiB = %.2f (medians)\n",
              Median(console) / Median(plain), Median(console) / Median(large));
  return 0;
}
