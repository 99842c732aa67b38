#include "encoder/ffmpeg_process.h"

#include "encoder/encoder_error.h"
#include "encoder/error_output.h"
#include "win/code_page.h"
#include "win/job_object.h"

namespace encoder {

namespace {

constexpr UINT kTerminatedExitCode = 1;

struct ChildPipe {
  win::UniqueHandle ours, childs;
};

// The child's end is inheritable, ours is not: a child holding a copy of
// our end would keep the pipe open after we close it.
ChildPipe CreateChildPipe(bool childReads) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inheritable, 0))
    RaiseLastError("cannot create a pipe for FFmpeg");
  ChildPipe pipe;
  pipe.ours.Reset(childReads ? write : read);
  pipe.childs.Reset(childReads ? read : write);
  if (!SetHandleInformation(pipe.ours.Get(), HANDLE_FLAG_INHERIT, 0))
    RaiseLastError("cannot prepare a pipe for FFmpeg");
  return pipe;
}

// The encoder's own standard streams are usually inherited pipes of
// whoever started it; FFmpeg must not hold them open, so they stop being
// inheritable. Console handles may refuse, which does no harm.
void KeepOwnStreamsFromChildren() {
  for (DWORD stream : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE})
    SetHandleInformation(GetStdHandle(stream), HANDLE_FLAG_INHERIT, 0);
}

}  // namespace

FfmpegProcess::FfmpegProcess(const std::string& commandLine) {
  ChildPipe input = CreateChildPipe(true);
  ChildPipe output = CreateChildPipe(false);
  ChildPipe log = CreateChildPipe(false);
  KeepOwnStreamsFromChildren();

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input.childs.Get();
  startup.hStdOutput = output.childs.Get();
  startup.hStdError = log.childs.Get();
  PROCESS_INFORMATION started{};
  // FFmpeg talks only through its pipes and needs no console. Started
  // without one it never gets a console window of its own, also when the
  // encoder itself runs without a console (as the converter starts it).
  // Breaking away from a job the encoder itself runs in lets FFmpeg join
  // ours on systems without nested jobs; a job that forbids it refuses
  // with ERROR_ACCESS_DENIED, and FFmpeg then starts inside it.
  const DWORD flags = CREATE_SUSPENDED | DETACHED_PROCESS;
  std::wstring line = win::Utf8ToWide(commandLine);
  BOOL created =
      CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, flags | CREATE_BREAKAWAY_FROM_JOB,
                     nullptr, nullptr, &startup, &started);
  if (!created && GetLastError() == ERROR_ACCESS_DENIED)
    created = CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, flags, nullptr, nullptr,
                             &startup, &started);
  if (!created)
    RaiseLastError("cannot start FFmpeg");
  process_.Reset(started.hProcess);
  win::UniqueHandle thread(started.hThread);
  input_ = std::move(input.ours);
  output_ = std::move(output.ours);
  log_ = std::move(log.ours);

  PutIntoJob();
  if (ResumeThread(thread.Get()) == static_cast<DWORD>(-1)) {
    TerminateProcess(process_.Get(), kTerminatedExitCode);
    RaiseLastError("cannot start FFmpeg");
  }
}

void FfmpegProcess::PutIntoJob() {
  job_ = win::CreateKillOnCloseJob();
  if (job_ && AssignProcessToJobObject(job_.Get(), process_.Get()))
    return;
  // Without nested jobs, a process that already is in a job cannot join
  // another. FFmpeg then runs unguarded: a stop still ends it, a forced
  // end of the encoder does not.
  job_.Reset();
  WriteError(
      "libm9s: note: FFmpeg could not be put into a job object; ending libm9s by force "
      "would leave it running\n");
}

void FfmpegProcess::AskToQuit() {
  DWORD written = 0;
  WriteFile(input_.Get(), "q", 1, &written, nullptr);
}

void FfmpegProcess::Terminate() {
  if (job_)
    TerminateJobObject(job_.Get(), kTerminatedExitCode);
  else
    TerminateProcess(process_.Get(), kTerminatedExitCode);
}

DWORD FfmpegProcess::ExitCode() const {
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.Get(), &code))
    RaiseLastError("cannot read FFmpeg's exit code");
  return code;
}

}  // namespace encoder
