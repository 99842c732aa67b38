// Benchmark, not a test. Converts one clip through the main window's run
// driver with the real encoder, and with ffmpeg.exe started directly with
// the FFmpeg arguments the encoder uses, alternately in the same run after
// one warm-up of each (the encoder unpacks its FFmpeg on the first run).
// Prints each round, the ratio of the median wall times (goal: at most
// 1.05) and the main thread's processor time during the run as a share of
// one core (goal: below 5%). Then a few more rounds tell where the
// window's time went; they date the processes inside the encoder, and the
// process snapshots that takes while the encoder starts slow it, so the
// ratio's rounds go without.
// Usage: main_window_bench <encoder folder\> <ffmpeg.exe> <clip> <output folder> [rounds]
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/common_form.h"
#include "app/main_form.h"
#include "base/path_text.h"
#include "encoder/command_line_quoting.h"
#include "encoder/ffmpeg_plan.h"
#include "tests/support/test_folder.h"
#include "tests/support/thread_cpu_time.h"
#include "tests/support/wall_clock.h"
#include "tests/support/window_driver.h"
#include "ui/application.h"
#include "win/code_page.h"
#include "win/system_folders.h"
#include "win/unique.h"

namespace {

using test_support::ThreadCpuMilliseconds;

constexpr int kDatedRounds = 5;

// Inside the encoder, as the system dates its processes and FFmpeg's.
struct EncoderDates {
  double beforeFfmpegMs = 0;  // the encoder's process created to FFmpeg's
  double ffmpegMs = 0;        // FFmpeg's process, created to ended
  double afterFfmpegMs = 0;   // FFmpeg's end to the encoder's
};

// One conversion through the window, from the Convert click to the finish
// message, which the driver shows once the encoder's end was handled.
struct WindowRun {
  double wallMs = 0;
  double mainThreadCpuMs = 0;
  // Where the wall time went, in order.
  double startMs = 0;       // click to the encoder's start: output path, command line, pipes,
                            // process and console creation, worker threads, busy switch
  double firstTextMs = 0;   // start to the encoder's first text
  double exitMs = 0;        // first text to the end of the encoder's process
  double endHandledMs = 0;  // process end to its end reported: drain of the pipes, hand-over
  double finishMs = 0;      // end reported to the finish message: idle switch, display reset
  // Where the main thread's time went.
  int texts = 0;        // texts of the encoder handled (progress handling)
  double textsMs = 0;   // wall time in their handlers
  double statusMs = 0;  // wall time in the two busy-state switches
  int paints = 0;       // paints of the status line and the bar (repaints)
  double paintsMs = 0;
  EncoderDates encoder;
};

// A running child of the process with the given program name, or nullptr.
win::UniqueHandle ChildProcess(DWORD parentId, const char* program) {
  win::UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  DWORD found = 0;
  for (BOOL more = Process32First(snapshot.Get(), &entry); more;
       more = Process32Next(snapshot.Get(), &entry)) {
    if (entry.th32ParentProcessID == parentId && lstrcmpiA(entry.szExeFile, program) == 0) {
      found = entry.th32ProcessID;
    }
  }
  return win::UniqueHandle(
      found ? OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, found) : nullptr);
}

// When the system says a process was created and ended, in milliseconds.
struct ProcessDates {
  double createdMs = 0, endedMs = 0;
};

ProcessDates DatesOf(HANDLE process) {
  FILETIME created, ended, kernel, user;
  ProcessDates dates;
  if (process && GetProcessTimes(process, &created, &ended, &kernel, &user)) {
    auto ms = [](const FILETIME& time) {
      return ((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
             10000.0;
    };
    dates = {ms(created), ms(ended)};
  }
  return dates;
}

// Waits for the end of a running encoder, looking for its FFmpeg meanwhile
// to date both. The system dates the processes, so a look now and then is
// enough. Each look is a snapshot of all processes, which holds up the
// wineserver, so the first waits until the encoder has started FFmpeg:
// that takes it 40 to 70 ms, and FFmpeg runs for longer than a second.
EncoderDates WaitForEncoder(HANDLE encoder) {
  constexpr DWORD kFirstLookMs = 150, kLookIntervalMs = 25;
  win::UniqueHandle ffmpeg;
  for (DWORD wait = kFirstLookMs; !ffmpeg && WaitForSingleObject(encoder, wait) == WAIT_TIMEOUT;
       wait = kLookIntervalMs) {
    ffmpeg = ChildProcess(GetProcessId(encoder), "ffmpeg.exe");
  }
  WaitForSingleObject(encoder, INFINITE);
  if (!ffmpeg) {
    return {};
  }
  const ProcessDates outer = DatesOf(encoder), inner = DatesOf(ffmpeg.Get());
  return {inner.createdMs - outer.createdMs, inner.endedMs - inner.createdMs,
          outer.endedMs - inner.endedMs};
}

// Measures one conversion through the window's own event handlers and
// window procedures; everything is put back when it goes.
class WindowProbe {
 public:
  WindowProbe(app::TfrmMain& form, WindowRun& run, bool dateEncoder)
      : form_(form), run_(run), dateEncoder_(dateEncoder) {
    console::TConsoleIO& runner = *form.ConsoleIO;
    originalOutput_ = runner.OnReceiveOutput();
    originalError_ = runner.OnReceiveError();
    originalStatus_ = runner.OnProcessStatusChange();
    runner.SetOnReceiveOutput(TimedText(originalOutput_));
    runner.SetOnReceiveError(TimedText(originalError_));
    runner.SetOnProcessStatusChange([this](console::TConsoleIO* sender, bool running) {
      const double before = test_support::WallMilliseconds();
      originalStatus_(sender, running);
      run_.statusMs += test_support::WallMilliseconds() - before;
      if (running) {
        Started(before);
      } else {
        endHandled_ = before;
      }
    });
    for (ui::TControl* control : {static_cast<ui::TControl*>(form.labelCurrentInfo),
                                  static_cast<ui::TControl*>(form.progressBarCurrent)}) {
      ui::TWndMethod original = control->WindowProc();
      originalProcs_.push_back(original);
      control->SetWindowProc([this, original](ui::TMessage& message) {
        if (message.Msg != WM_PAINT) {
          return original(message);
        }
        const double before = test_support::WallMilliseconds();
        original(message);
        ++run_.paints;
        run_.paintsMs += test_support::WallMilliseconds() - before;
      });
    }
  }
  ~WindowProbe() {
    form_.ConsoleIO->SetOnReceiveOutput(originalOutput_);
    form_.ConsoleIO->SetOnReceiveError(originalError_);
    form_.ConsoleIO->SetOnProcessStatusChange(originalStatus_);
    form_.labelCurrentInfo->SetWindowProc(originalProcs_[0]);
    form_.progressBarCurrent->SetWindowProc(originalProcs_[1]);
    if (exitWatch_.joinable()) {
      exitWatch_.join();
    }
  }
  WindowProbe(const WindowProbe&) = delete;
  WindowProbe& operator=(const WindowProbe&) = delete;

  void Click() {
    click_ = test_support::WallMilliseconds();
    clickCpu_ = ThreadCpuMilliseconds();
  }

  void Finished() {
    const double now = test_support::WallMilliseconds();
    run_.wallMs = now - click_;
    run_.mainThreadCpuMs = ThreadCpuMilliseconds() - clickCpu_;
    if (!exitWatch_.joinable()) {
      return;
    }
    exitWatch_.join();
    run_.startMs = started_ - click_;
    run_.firstTextMs = firstText_ - started_;
    run_.exitMs = exited_ - firstText_;
    run_.endHandledMs = endHandled_ - exited_;
    run_.finishMs = now - endHandled_;
  }

 private:
  console::TReceiveEvent TimedText(console::TReceiveEvent original) {
    return [this, original](console::TConsoleIO* sender, const std::string& text) {
      const double before = test_support::WallMilliseconds();
      if (firstText_ == 0) {
        firstText_ = before;
      }
      original(sender, text);
      ++run_.texts;
      run_.textsMs += test_support::WallMilliseconds() - before;
    };
  }

  void Started(double now) {
    started_ = now;
    if (!dateEncoder_) {
      return;
    }
    // Its end is stamped by a thread of its own, as the system reports it.
    win::UniqueHandle encoder(
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, form_.ConsoleIO->ProcessId()));
    exitWatch_ = std::thread([this, encoder = std::move(encoder)] {
      if (encoder) {
        run_.encoder = WaitForEncoder(encoder.Get());
      }
      exited_ = test_support::WallMilliseconds();
    });
  }

  app::TfrmMain& form_;
  WindowRun& run_;
  const bool dateEncoder_;
  console::TReceiveEvent originalOutput_, originalError_;
  console::TProcessStatusChangeEvent originalStatus_;
  std::vector<ui::TWndMethod> originalProcs_;
  std::thread exitWatch_;
  double click_ = 0, clickCpu_ = 0, started_ = 0, firstText_ = 0, endHandled_ = 0;
  std::atomic<double> exited_{0};
};

WindowRun ConvertThroughWindow(app::TfrmMain& form, const std::string& output,
                               bool dateEncoder = false) {
  DeleteFileW(win::Utf8ToWide(output).c_str());
  WindowRun run;
  WindowProbe probe(form, run, dateEncoder);
  // The finish message is answered No from the hook too: a timer looking
  // for it would wake the main thread all through the run.
  bool finished = false;
  test_support::CbtHook finishWatch([&](int code, WPARAM wParam, LPARAM) {
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && !finished && test_support::ClassName(window) == L"#32770") {
      finished = true;
      probe.Finished();
    }
    if (code == HCBT_ACTIVATE && test_support::ClassName(window) == L"#32770") {
      PostMessageW(window, WM_COMMAND, IDNO, 0);
    }
  });
  probe.Click();
  SendMessageW(form.buttonConvert->Handle(), BM_CLICK, 0, 0);
  return run;
}

win::UniqueHandle OpenNul(DWORD access) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return win::UniqueHandle(CreateFileW(L"NUL", access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                       OPEN_EXISTING, 0, nullptr));
}

// Wall time of a console program run to its end, its output thrown away;
// an encoder's inside is dated too.
double RunToEnd(const std::string& commandLine, const std::string& output,
                EncoderDates* encoder = nullptr) {
  DeleteFileW(win::Utf8ToWide(output).c_str());
  win::UniqueHandle input = OpenNul(GENERIC_READ), sink = OpenNul(GENERIC_WRITE);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input.Get();
  startup.hStdOutput = sink.Get();
  startup.hStdError = sink.Get();
  PROCESS_INFORMATION started{};
  std::wstring line = win::Utf8ToWide(commandLine);
  const double start = test_support::WallMilliseconds();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                      nullptr, &startup, &started)) {
    std::fprintf(stderr, "cannot start %s\n", commandLine.c_str());
    std::exit(1);
  }
  win::UniqueHandle process(started.hProcess), thread(started.hThread);
  if (encoder) {
    *encoder = WaitForEncoder(process.Get());
  } else {
    WaitForSingleObject(process.Get(), INFINITE);
  }
  return test_support::WallMilliseconds() - start;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

template <typename Field>
double MedianOf(const std::vector<WindowRun>& runs, Field field) {
  std::vector<double> values;
  for (const WindowRun& run : runs) {
    values.push_back(static_cast<double>(run.*field));
  }
  return Median(values);
}

template <typename Field>
double MedianOf(const std::vector<EncoderDates>& runs, Field field) {
  std::vector<double> values;
  for (const EncoderDates& run : runs) {
    values.push_back(run.*field);
  }
  return Median(values);
}

void PrintEncoderDates(const char* how, const std::vector<EncoderDates>& runs) {
  std::printf("  %s: %.1f before FFmpeg starts, FFmpeg %.1f, %.1f after it ends\n", how,
              MedianOf(runs, &EncoderDates::beforeFfmpegMs),
              MedianOf(runs, &EncoderDates::ffmpegMs),
              MedianOf(runs, &EncoderDates::afterFfmpegMs));
}

void PrintHandlers(const std::vector<WindowRun>& runs) {
  std::printf(
      "main thread, wall time in its handlers (medians): %.0f texts in %.1f ms (progress "
      "handling); the two busy switches %.1f ms; %.0f paints of the status line and bar in "
      "%.1f ms (repaints)\n",
      MedianOf(runs, &WindowRun::texts), MedianOf(runs, &WindowRun::textsMs),
      MedianOf(runs, &WindowRun::statusMs), MedianOf(runs, &WindowRun::paints),
      MedianOf(runs, &WindowRun::paintsMs));
}

void PrintBreakdown(const std::vector<WindowRun>& runs, const std::vector<EncoderDates>& alone) {
  std::printf(
      "where the window's time went (medians of %d more rounds that date the encoder's "
      "processes, ms):\n",
      kDatedRounds);
  std::printf("  start (output path, command line, pipes, process, console, threads): %.1f\n",
              MedianOf(runs, &WindowRun::startMs));
  std::printf("  start to the first text: %.1f\n", MedianOf(runs, &WindowRun::firstTextMs));
  std::printf("  first text to the encoder's end: %.1f\n", MedianOf(runs, &WindowRun::exitMs));
  std::printf("  encoder's end to its end reported (drain bound, hand-over): %.1f\n",
              MedianOf(runs, &WindowRun::endHandledMs));
  std::printf("  end reported to the finish message (idle switch, display reset): %.1f\n",
              MedianOf(runs, &WindowRun::finishMs));
  std::vector<EncoderDates> throughWindow;
  for (const WindowRun& run : runs) {
    throughWindow.push_back(run.encoder);
  }
  std::printf("inside the encoder (medians, ms):\n");
  PrintEncoderDates("through the window", throughWindow);
  PrintEncoderDates("alone", alone);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr,
                 "usage: main_window_bench <encoder folder\\> <ffmpeg.exe> <clip> "
                 "<output folder> [rounds [skin file]]\n");
    return 2;
  }
  const std::string encoderFolder = argv[1], ffmpeg = argv[2], clip = argv[3];
  const std::string outputFolder = base::IncludeTrailingBackslash(argv[4]);
  const int rounds = argc > 5 ? std::atoi(argv[5]) : 3;
  const std::string skinFile = argc > 6 ? argv[6] : "";
  ui::Application().Initialize();

  const std::string temp = win::TempFolder();
  const conversion::CommandLineFolders folders{encoderFolder, temp};
  const test_support::TestFolder applicationFolder;
  app::TfrmCommon common(applicationFolder.Path() + "vexmoor.exe");
  common.DoCreate();
  app::TfrmMain form(folders);
  form.DoCreate();
  if (!skinFile.empty()) {
    form.vxSkinEngine->SetSkinFile(skinFile);  // argv is in the ANSI code page
    if (form.vxSkinEngine->SkinFile().empty()) {
      std::fprintf(stderr, "cannot read the skin %s\n", skinFile.c_str());
      return 1;
    }
    std::printf("the window wears %s\n", form.vxSkinEngine->SkinFile().c_str());
  }
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
  std::vector<WindowRun> runs;
  for (int round = 1; round <= rounds; ++round) {
    const WindowRun run = ConvertThroughWindow(form, windowOutput);
    directMs.push_back(RunToEnd(ffmpegCommand, directOutput));
    encoderMs.push_back(RunToEnd(encoderCommand, directOutput));
    windowMs.push_back(run.wallMs);
    cpuShares.push_back(run.mainThreadCpuMs / run.wallMs);
    runs.push_back(run);
    std::printf(
        "round %d: window %.0f ms, ffmpeg.exe %.0f ms (libm9s.exe alone %.0f ms), "
        "main thread %.1f ms (%.2f%%)\n",
        round, run.wallMs, directMs.back(), encoderMs.back(), run.mainThreadCpuMs,
        100 * cpuShares.back());
  }
  // A burst of load from elsewhere slows one round, so each round's ratio
  // is taken too, and their median, beside the ratio of the medians.
  std::vector<double> windowRatios, encoderRatios;
  for (int round = 0; round < rounds; ++round) {
    windowRatios.push_back(windowMs[round] / directMs[round]);
    encoderRatios.push_back(encoderMs[round] / directMs[round]);
  }
  std::printf(
      "wall-time ratio (medians, window / ffmpeg.exe): %.3f (goal <= 1.05); "
      "median of the rounds' ratios %.3f\n",
      Median(windowMs) / Median(directMs), Median(windowRatios));
  std::printf("libm9s.exe alone / ffmpeg.exe: %.3f; median of the rounds' ratios %.3f\n",
              Median(encoderMs) / Median(directMs), Median(encoderRatios));
  std::printf("main thread during the run: %.2f%% of one core (median; goal < 5%%)\n",
              100 * Median(cpuShares));
  PrintHandlers(runs);

  std::vector<WindowRun> datedRuns;
  std::vector<EncoderDates> alone(kDatedRounds);
  for (EncoderDates& dates : alone) {
    datedRuns.push_back(ConvertThroughWindow(form, windowOutput, true));
    RunToEnd(encoderCommand, directOutput, &dates);
  }
  PrintBreakdown(datedRuns, alone);
  return 0;
}
