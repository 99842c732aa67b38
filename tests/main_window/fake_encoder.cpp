// A stand-in for libm9s.exe that the main window's tests start: quick and
// predictable. The first line of its input file says what it does:
//   ok       progress on standard error, writes the output, exit 0
//   slow     the same, spread over about a second
//   steady   the same, a frame each quarter of a second: five seconds
//   wait     a little progress, then waits for "quit" on standard input,
//            exit 3 without output
//   stuck    a little progress, then writes <output>.<pid>.partial as the
//            encoder does, has a process of its own hold it open and never
//            ends: only a forced end stops it
//   silent   exit 0 without writing anything
//   fail-eol "libm9s: Cannot read the input: ..." without a line end, exit 1
//   anything else: that message with its line end, exit 1, no output
// Like the encoder it reads its command line as Unicode and writes UTF-8.
// Every start appends its command line to the file named by
// VEXMOOR_FAKE_ENCODER_LOG, so tests see which entries were started.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "conversion/output_path.h"
#include "encoder/command_arguments.h"
#include "win/code_page.h"

namespace {

std::filesystem::path FilePath(const std::string& utf8) {
  return std::filesystem::u8path(utf8);
}

void Say(const std::string& text) {
  std::fputs(text.c_str(), stderr);
  std::fflush(stderr);
}

void LogStart(const std::string& commandLine) {
  wchar_t log[MAX_PATH];
  if (!GetEnvironmentVariableW(L"VEXMOOR_FAKE_ENCODER_LOG", log, MAX_PATH)) {
    return;
  }
  std::ofstream(std::filesystem::path(log), std::ios::app | std::ios::binary)
      << commandLine << "\n";
}

std::string FirstLine(const std::string& path) {
  std::ifstream input(FilePath(path));
  std::string line;
  std::getline(input, line);
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  return line;
}

// Frames of a two-second clip at 10 frames per second (20 in all), in the
// texts the converter reads. Only an encoder that waits shows frame 10, so
// tests can tell it from one about to finish.
void SayProgress(int lastFrame, int step, int pauseMs) {
  Say("Input #0, avi, from 'input':\n  Duration: 00:00:02.0, start: 0.000000, bitrate: 1 kb/s\n");
  Say("    Stream #0:0: Video: h263, 176x144, 120 kb/s, 10.00 fps(r)\n");
  for (int frame = step; frame <= lastFrame; frame += step) {
    Sleep(pauseMs);
    Say("frame=   " + std::to_string(frame) + " q=3.0 size=       1kB\r");
  }
}

int Convert(const encoder::EncoderRequest& request, int pauseMs, int step = 4) {
  SayProgress(20, step, pauseMs);
  std::ofstream(FilePath(request.outputPath), std::ios::binary)
      << "converted " << request.inputPath;
  Say("\n");
  return 0;
}

int WaitForQuit() {
  SayProgress(10, 5, 0);
  std::string line;
  while (std::getline(std::cin, line) && line.rfind("quit", 0) != 0) {
  }
  Say("\nlibm9s: stopped\n");
  return 3;
}

bool HeldByAnother(const std::wstring& path) {
  const HANDLE file =
      CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
  }
  return file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION;
}

// Another process holds the partial file open, as FFmpeg does while it
// writes it, and this one ignores "quit".
int Stuck(const encoder::EncoderRequest& request) {
  const std::string partial =
      conversion::EncoderPartialPath(request.outputPath, GetCurrentProcessId());
  std::ofstream(FilePath(partial), std::ios::binary) << "half";
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring line = L"\"" + std::wstring(self) + L"\" hold \"" + win::Utf8ToWide(partial) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                     &startup, &started)) {
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }
  while (!HeldByAnother(win::Utf8ToWide(partial))) {
    Sleep(10);
  }
  SayProgress(10, 5, 0);
  Sleep(INFINITE);
  return 1;
}

// The holder: opens the file without letting anyone delete it and sleeps.
int Hold(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return 1;
  }
  Sleep(INFINITE);
  return 0;
}

}  // namespace

int main() {
  int argumentCount = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &argumentCount);
  if (argumentCount == 3 && std::wstring(arguments[1]) == L"hold") {
    return Hold(arguments[2]);
  }
  const std::string commandLine = win::WideToUtf8(GetCommandLineW());
  LogStart(commandLine);
  try {
    const encoder::EncoderRequest request = encoder::ParseCommandLine(commandLine);
    const std::string behaviour = FirstLine(request.inputPath);
    if (behaviour == "ok") {
      return Convert(request, 0);
    }
    if (behaviour == "slow") {
      return Convert(request, 250);
    }
    if (behaviour == "steady") {
      return Convert(request, 250, 1);
    }
    if (behaviour == "silent") {
      return 0;
    }
    if (behaviour == "wait") {
      return WaitForQuit();
    }
    if (behaviour == "stuck") {
      return Stuck(request);
    }
    const std::string reason = "libm9s: Cannot read the input: " + request.inputPath;
    Say(behaviour == "fail-eol" ? reason : reason + "\n");
    return 1;
  } catch (const std::exception& error) {
    Say(std::string("libm9s: ") + error.what() + "\n");
    return 2;
  }
}
