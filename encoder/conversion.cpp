#include "encoder/conversion.h"

#include <windows.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "base/path_text.h"
#include "encoder/avisynth_script.h"
#include "encoder/command_line_quoting.h"
#include "encoder/embedded_ffmpeg.h"
#include "encoder/encoder_error.h"
#include "encoder/error_output.h"
#include "encoder/ffmpeg_log.h"
#include "encoder/ffmpeg_plan.h"
#include "encoder/ffmpeg_process.h"
#include "encoder/ffmpeg_tuning.h"
#include "encoder/input_file.h"
#include "encoder/line_splitter.h"
#include "encoder/progress_report.h"
#include "encoder/temporary_output.h"
#include "win/code_page.h"
#include "win/entry_guard.h"
#include "win/leftover_files.h"
#include "win/unique.h"

namespace encoder {

namespace {

// The converter kills the encoder 1000 ms after asking it to stop; FFmpeg
// gets most of that to finish on its own, the rest is for cleaning up.
constexpr DWORD kQuitGraceMilliseconds = 600;

constexpr std::streamsize kLongestScript = 64 * 1024;

void CheckReadable(const std::string& path, const std::string& what) {
  win::UniqueHandle file(CreateFileW(win::Utf8ToWide(path).c_str(), GENERIC_READ,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    RaiseLastError("cannot read " + what + " " + path);
  }
}

std::string ReadScript(const std::string& path) {
  std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
  std::string bytes(kLongestScript, '\0');
  file.read(bytes.data(), kLongestScript);
  bytes.resize(static_cast<size_t>(file.gcount()));
  return ScriptText(bytes,
                    [](const std::string& ansi) { return win::AnsiToUtf8(win::AnsiString(ansi)); });
}

// The file FFmpeg is to read: the input itself, or the file that a
// DirectShowSource script names.
std::string FfmpegInput(const std::string& inputPath) {
  CheckReadable(inputPath, "the input");
  if (!IsAviSynthScript(inputPath)) {
    return inputPath;
  }
  const std::optional<std::string> named = DirectShowSourcePath(ReadScript(inputPath));
  if (!named) {
    return inputPath;
  }
  CheckReadable(*named, "the file named in " + inputPath + ",");
  return *named;
}

// Reads one of FFmpeg's pipes to its end, handing on whole lines. It keeps
// reading after a failure to hand on, since FFmpeg stops when a pipe it
// writes to fills up, and raises that failure at the end.
void Relay(HANDLE pipe, const std::function<void(std::string_view)>& onLine) {
  LineSplitter lines;
  std::exception_ptr failure;
  char buffer[4096];
  DWORD count = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &count, nullptr) && count > 0) {
    if (failure) {
      continue;
    }
    try {
      lines.Add(std::string_view(buffer, count), onLine);
    } catch (...) {
      failure = std::current_exception();
    }
  }
  if (failure) {
    std::rethrow_exception(failure);
  }
  lines.Finish(onLine);
}

// A relay on a thread of its own. Its failure is reported on standard error
// and the conversion goes on without it.
std::thread StartRelay(HANDLE pipe, std::function<void(std::string_view)> onLine) {
  return std::thread(
      [pipe, onLine = std::move(onLine)] { win::GuardedCall([&] { Relay(pipe, onLine); }); });
}

// Waits for FFmpeg to end, asking it to stop when the stop line comes
// first. Returns whether it was asked: a stop that comes once FFmpeg has
// ended finds a finished conversion, which is kept.
bool WaitForEnd(FfmpegProcess& ffmpeg, const StopSignal& stop) {
  // When both are set, the wait names the process, the first of the two.
  const HANDLE events[] = {ffmpeg.Process(), stop.Event()};
  const bool stopped = WaitForMultipleObjects(2, events, FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
  if (stopped) {
    ffmpeg.AskToQuit();
    if (WaitForSingleObject(ffmpeg.Process(), kQuitGraceMilliseconds) != WAIT_OBJECT_0) {
      ffmpeg.Terminate();
    }
  }
  WaitForSingleObject(ffmpeg.Process(), INFINITE);
  return stopped;
}

struct FfmpegResult {
  bool stopped = false;
  DWORD exitCode = 0;
  std::string lastError;
};

FfmpegResult RunFfmpeg(const std::string& ffmpegPath, const FfmpegPlan& plan,
                       const std::string& outputPath, const StopSignal& stop) {
  FfmpegProcess ffmpeg(QuoteArgument(ffmpegPath) + " " + JoinArguments(plan.arguments));
  ProgressReport progress;
  FfmpegLog log(outputPath, plan.videoDescription, plan.audioDescription);
  std::thread progressRelay, logRelay;
  try {
    progressRelay = StartRelay(ffmpeg.Output(), [&progress](std::string_view line) {
      if (const auto text = progress.Add(line)) {
        WriteError(*text + (progress.Ended() ? "\n" : "\r"));
      }
    });
    logRelay = StartRelay(ffmpeg.Log(), [&log](std::string_view line) {
      if (const auto text = log.Filter(line)) {
        WriteError(*text + "\n");
      }
    });
  } catch (...) {
    ffmpeg.Terminate();
    if (progressRelay.joinable()) {
      progressRelay.join();
    }
    throw;
  }
  const bool stopped = WaitForEnd(ffmpeg, stop);
  progressRelay.join();
  logRelay.join();
  return {stopped, ffmpeg.ExitCode(), log.LastError()};
}

ExitCode Stopped(const EncoderRequest& request) {
  WriteError("libm9s: stopped; " + request.outputPath + " was left as it was\n");
  return kExitStopped;
}

// A copy of FFmpeg that does not start was damaged after it was unpacked
// in a way its size does not show; unpacked again, it starts.
FfmpegResult RunUnpackedFfmpeg(const FfmpegPlan& plan, const std::string& outputPath,
                               const StopSignal& stop) {
  try {
    return RunFfmpeg(UnpackEmbeddedFfmpeg(), plan, outputPath, stop);
  } catch (const FfmpegStartError&) {
    return RunFfmpeg(UnpackEmbeddedFfmpeg(true), plan, outputPath, stop);
  }
}

// FFmpeg tells of a full disk in its C library's words, which can read
// "Invalid argument"; the free space of the output's disk says it plainly.
// Below one write of FFmpeg's is full: its partial file still holds the rest.
bool DiskFull(const std::string& outputPath) {
  constexpr ULONGLONG kFullBelowBytes = 256 * 1024;
  ULARGE_INTEGER available;
  return GetDiskFreeSpaceExW(win::Utf8ToWide(base::ExtractFilePath(outputPath)).c_str(), &available,
                             nullptr, nullptr) &&
         available.QuadPart < kFullBelowBytes;
}

}  // namespace

ExitCode Convert(const EncoderRequest& request, const StopSignal& stop) {
  const std::string ffmpegInput = FfmpegInput(request.inputPath);
  const std::string ffmpegOutput = TemporaryOutput::PathFor(request.outputPath);
  const FfmpegTuning tuning = ChooseTuning(ReadInputVideoOf(ffmpegInput), request);
  const FfmpegPlan plan = PlanConversion(request, ffmpegInput, ffmpegOutput, tuning);
  for (const std::string& note : plan.notes) {
    WriteError("libm9s: note: " + note + "\n");
  }

  // What an encoder ended by force left of this output goes first.
  win::RemoveLeftovers(base::ExtractFilePath(request.outputPath),
                       base::ExtractFileName(request.outputPath) + ".", ".partial");
  TemporaryOutput temporary(request.outputPath);
  if (stop.Requested()) {
    return Stopped(request);
  }
  FfmpegResult result = RunUnpackedFfmpeg(plan, request.outputPath, stop);
  if (!result.stopped && result.exitCode != 0 && !tuning.Empty()) {
    // The options chosen for the input may be what failed; the plain
    // command decides.
    WriteError("libm9s: note: FFmpeg failed with the options chosen for this input" +
               (result.lastError.empty() ? std::string() : " (" + result.lastError + ")") +
               "; converting it again with the plain command\n");
    result = RunUnpackedFfmpeg(PlanConversion(request, ffmpegInput, ffmpegOutput),
                               request.outputPath, stop);
  }
  // FFmpeg ends with 0 after a stop too, having closed a shortened file.
  if (result.stopped) {
    return Stopped(request);
  }
  if (result.exitCode != 0) {
    const std::string reason = result.lastError.empty()
                                   ? "exit code " + std::to_string(result.exitCode)
                                   : result.lastError;
    throw EncoderError("FFmpeg failed: " + (DiskFull(request.outputPath)
                                                ? "the disk of the output is full (" + reason + ")"
                                                : reason));
  }
  if (temporary.Size() == 0) {
    throw EncoderError("FFmpeg wrote nothing into " + request.outputPath);
  }
  temporary.ReplaceOutput();
  return kExitDone;
}

}  // namespace encoder
