// Benchmark, not a test. Converts one clip through the main window's run
// driver with the real encoder, and with ffmpeg.exe started directly with
// the FFmpeg arguments the encoder uses, alternately in the same run after
// one warm-up of each (the encoder unpacks its FFmpeg on the first run).
// Prints each round, the ratio of the median wall times (goal: at most
// 1.05) and the main thread's processor time during the run as a share of
// one core (goal: below 5%).
// Usage: main_window_bench <encoder folder\> <ffmpeg.exe> <clip> <output folder> [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/common_form.h"
#include "app/main_form.h"
#include "base/path_text.h"
#include "encoder/command_line_quoting.h"
#include "encoder/ffmpeg_plan.h"
#include "tests/support/message_box_log.h"
#include "tests/support/test_folder.h"
#include "tests/support/thread_cpu_time.h"
#include "ui/application.h"
#include "win/unique.h"

namespace {

using test_support::ThreadCpuMilliseconds;

double NowMilliseconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct WindowRun {
  double wallMs = 0;
  double mainThreadCpuMs = 0;
};

// From the Convert click to the finish message, which the driver shows
// once the encoder has ended.
WindowRun ConvertThroughWindow(app::TfrmMain& form, const std::string& output) {
  DeleteFileA(output.c_str());
  WindowRun run;
  const double start = NowMilliseconds();
  const double cpuStart = ThreadCpuMilliseconds();
  test_support::CbtHook finishWatch([&](int code, WPARAM window, LPARAM) {
    if (code == HCBT_CREATEWND && run.wallMs == 0 &&
        test_support::ClassName(reinterpret_cast<HWND>(window)) == L"#32770") {
      run.wallMs = NowMilliseconds() - start;
      run.mainThreadCpuMs = ThreadCpuMilliseconds() - cpuStart;
    }
  });
  test_support::MessageBoxLog boxes(IDNO);
  SendMessageW(form.buttonConvert->Handle(), BM_CLICK, 0, 0);
  return run;
}

win::UniqueHandle OpenNul(DWORD access) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return win::UniqueHandle(CreateFileA("NUL", access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                       OPEN_EXISTING, 0, nullptr));
}

// Wall time of a console program run to its end, its output thrown away.
double RunToEnd(std::string commandLine, const std::string& output) {
  DeleteFileA(output.c_str());
  win::UniqueHandle input = OpenNul(GENERIC_READ), sink = OpenNul(GENERIC_WRITE);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input.Get();
  startup.hStdOutput = sink.Get();
  startup.hStdError = sink.Get();
  PROCESS_INFORMATION started{};
  const double start = NowMilliseconds();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &started)) {
    std::fprintf(stderr, "cannot start %s\n", commandLine.c_str());
    std::exit(1);
  }
  win::UniqueHandle process(started.hProcess), thread(started.hThread);
  WaitForSingleObject(process.Get(), INFINITE);
  return NowMilliseconds() - start;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr,
                 "usage: main_window_bench <encoder folder\\> <ffmpeg.exe> <clip> "
                 "<output folder> [rounds]\n");
    return 2;
  }
  const std::string encoderFolder = argv[1], ffmpeg = argv[2], clip = argv[3];
  const std::string outputFolder = base::IncludeTrailingBackslash(argv[4]);
  const int rounds = argc > 5 ? std::atoi(argv[5]) : 3;
  ui::Application().Initialize();

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const conversion::CommandLineFolders folders{encoderFolder, temp};
  const test_support::TestFolder applicationFolder;
  app::TfrmCommon common(applicationFolder.Path() + "vexmoor.exe");
  common.DoCreate();
  app::TfrmMain form(folders);
  form.DoCreate();
  form.Show();
  form.editOutputFolder->SetText(outputFolder);
  form.AddFile(clip);
  const std::string windowOutput = conversion::MakeOutputPath(outputFolder, clip);
  const std::string directOutput = outputFolder + "direct.3gp";
  const encoder::EncoderRequest request = encoder::ParseCommandLine(
      conversion::BuildCommandLine(conversion::ConversionSettings{}, clip, directOutput, folders));
  const std::string ffmpegCommand =
      encoder::QuoteArgument(ffmpeg) + " " +
      encoder::JoinArguments(encoder::PlanConversion(request, clip, directOutput).arguments);
  // The encoder alone, without the window, tells the two overheads apart.
  const std::string encoderCommand =
      conversion::BuildCommandLine(conversion::ConversionSettings{}, clip, directOutput, folders);

  ConvertThroughWindow(form, windowOutput);
  RunToEnd(ffmpegCommand, directOutput);
  std::vector<double> windowMs, directMs, encoderMs, cpuShares;
  for (int round = 1; round <= rounds; ++round) {
    const WindowRun run = ConvertThroughWindow(form, windowOutput);
    directMs.push_back(RunToEnd(ffmpegCommand, directOutput));
    encoderMs.push_back(RunToEnd(encoderCommand, directOutput));
    windowMs.push_back(run.wallMs);
    cpuShares.push_back(run.mainThreadCpuMs / run.wallMs);
    std::printf(
        "round %d: window %.0f ms, ffmpeg.exe %.0f ms (libm9s.exe alone %.0f ms), "
        "main thread %.1f ms (%.2f%%)\n",
        round, run.wallMs, directMs.back(), encoderMs.back(), run.mainThreadCpuMs,
        100 * cpuShares.back());
  }
  std::printf("wall-time ratio (medians, window / ffmpeg.exe): %.3f (goal <= 1.05)\n",
              Median(windowMs) / Median(directMs));
  std::printf("libm9s.exe alone / ffmpeg.exe: %.3f\n", Median(encoderMs) / Median(directMs));
  std::printf("main thread during the run: %.2f%% of one core (median; goal < 5%%)\n",
              100 * Median(cpuShares));
  return 0;
}
