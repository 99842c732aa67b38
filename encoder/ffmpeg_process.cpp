#include "encoder/ffmpeg_process.h"

#include "encoder/encoder_error.h"
#include "encoder/error_output.h"
#include "win/code_page.h"
#include "win/os_error.h"

namespace encoder {

namespace {

constexpr UINT kTerminatedExitCode = 1;

// Runs a step of the window layer, raising its failure in the encoder's
// words.
template <typename Step>
auto Worded(const std::string& what, Step step) {
  try {
    return step();
  } catch (const win::EOSError& error) {
    RaiseError(what, error.ErrorCode());
  }
}

// The encoder's own standard streams are usually inherited pipes of
// whoever started it; FFmpeg must not hold them open, so they stop being
// inheritable. Console handles may refuse, which does no harm.
void KeepOwnStreamsFromChildren() {
  for (DWORD stream : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
    SetHandleInformation(GetStdHandle(stream), HANDLE_FLAG_INHERIT, 0);
  }
}

}  // namespace

FfmpegProcess::FfmpegProcess(const std::string& commandLine) {
  win::ChildStreams streams = Worded("cannot create a pipe for FFmpeg", win::CreateChildStreams);
  KeepOwnStreamsFromChildren();

  win::ChildStart start;
  start.commandLine = win::Utf8ToWide(commandLine);
  // FFmpeg talks only through its pipes and needs no console. Started
  // without one it never gets a console window of its own, also when the
  // encoder itself runs without a console (as the converter starts it).
  start.console = DETACHED_PROCESS;
  start.breakAwayFromJob = true;
  start.failedStartExitCode = kTerminatedExitCode;
  try {
    child_ = Worded("cannot start FFmpeg", [&] { return win::StartChild(start, streams); });
  } catch (const EncoderError& error) {
    throw FfmpegStartError(error.what());
  }
  input_ = std::move(streams.input.ours);
  output_ = std::move(streams.output.ours);
  log_ = std::move(streams.error.ours);
  // Without nested jobs, a process that already is in a job cannot join
  // another. FFmpeg then runs unguarded: a stop still ends it, a forced
  // end of the encoder does not.
  if (!child_.job) {
    WriteError(
        "libm9s: note: FFmpeg could not be put into a job object; ending libm9s by force "
        "would leave it running\n");
  }
}

void FfmpegProcess::AskToQuit() {
  DWORD written = 0;
  WriteFile(input_.Get(), "q", 1, &written, nullptr);
}

void FfmpegProcess::Terminate() {
  win::EndChild(child_.process.Get(), child_.job.Get(), kTerminatedExitCode);
}

DWORD FfmpegProcess::ExitCode() const {
  DWORD code = 0;
  if (!GetExitCodeProcess(child_.process.Get(), &code)) {
    RaiseLastError("cannot read FFmpeg's exit code");
  }
  return code;
}

}  // namespace encoder
