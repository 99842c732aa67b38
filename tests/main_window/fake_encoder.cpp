// A stand-in for libm9s.exe that the main window's tests start: quick and
// predictable. The first line of its input file says what it does:
//   ok       progress on standard error, writes the output, exit 0
//   slow     the same, spread over about a second
//   wait     a little progress, then waits for "quit" on standard input,
//            exit 3 without output
//   silent   exit 0 without writing anything
//   fail-eol "libm9s: Cannot read the input: ..." without a line end, exit 1
//   anything else: that message with its line end, exit 1, no output
// Every start appends its command line to the file named by
// VEXMOOR_FAKE_ENCODER_LOG, so tests see which entries were started.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "encoder/command_arguments.h"

namespace {

void Say(const std::string& text) {
  std::fputs(text.c_str(), stderr);
  std::fflush(stderr);
}

void LogStart() {
  char log[MAX_PATH];
  if (!GetEnvironmentVariableA("VEXMOOR_FAKE_ENCODER_LOG", log, MAX_PATH))
    return;
  std::ofstream(log, std::ios::app | std::ios::binary) << GetCommandLineA() << "\n";
}

std::string FirstLine(const std::string& path) {
  std::ifstream input(path);
  std::string line;
  std::getline(input, line);
  if (!line.empty() && line.back() == '\r')
    line.pop_back();
  return line;
}

// Frames of a two-second clip at 10 frames per second (20 in all), in the
// texts the converter reads. A waiting encoder stops at frame 10, so tests
// can tell it from one about to finish.
void SayProgress(int lastFrame, int pauseMs) {
  Say("Input #0, avi, from 'input':\n  Duration: 00:00:02.0, start: 0.000000, bitrate: 1 kb/s\n");
  Say("    Stream #0:0: Video: h263, 176x144, 120 kb/s, 10.00 fps(r)\n");
  for (int frame = 5; frame <= lastFrame; frame += 5) {
    Sleep(pauseMs);
    Say("frame=   " + std::to_string(frame) + " q=3.0 size=       1kB\r");
  }
}

int Convert(const encoder::EncoderRequest& request, int pauseMs) {
  SayProgress(20, pauseMs);
  std::ofstream(request.outputPath, std::ios::binary) << "converted " << request.inputPath;
  Say("\n");
  return 0;
}

int WaitForQuit() {
  SayProgress(10, 0);
  std::string line;
  while (std::getline(std::cin, line) && line.rfind("quit", 0) != 0) {
  }
  Say("\nlibm9s: stopped\n");
  return 3;
}

}  // namespace

int main() {
  LogStart();
  try {
    const encoder::EncoderRequest request = encoder::ParseCommandLine(GetCommandLineA());
    const std::string behaviour = FirstLine(request.inputPath);
    if (behaviour == "ok")
      return Convert(request, 0);
    if (behaviour == "slow")
      return Convert(request, 250);
    if (behaviour == "silent")
      return 0;
    if (behaviour == "wait")
      return WaitForQuit();
    const std::string reason = "libm9s: Cannot read the input: " + request.inputPath;
    Say(behaviour == "fail-eol" ? reason : reason + "\n");
    return 1;
  } catch (const std::exception& error) {
    Say(std::string("libm9s: ") + error.what() + "\n");
    return 2;
  }
}
