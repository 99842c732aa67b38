#include "win/child_process.h"

#include "win/job_object.h"
#include "win/os_error.h"

namespace win {

namespace {

// Lets the child's ends be inherited for the one CreateProcess call that
// starts their child. Any child started later, by whatever code, must not
// get copies: they would keep the pipes open after this child has ended.
class InheritedWhileStarting {
 public:
  explicit InheritedWhileStarting(const ChildStreams& streams)
      : ends_{streams.input.childs.Get(), streams.output.childs.Get(), streams.error.childs.Get()} {
    for (HANDLE end : ends_) {
      if (!SetHandleInformation(end, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT)) {
        const DWORD code = GetLastError();
        Withdraw();
        RaiseOSError(code);
      }
    }
  }
  ~InheritedWhileStarting() { Withdraw(); }
  InheritedWhileStarting(const InheritedWhileStarting&) = delete;
  InheritedWhileStarting& operator=(const InheritedWhileStarting&) = delete;

 private:
  void Withdraw() {
    for (HANDLE end : ends_) {
      SetHandleInformation(end, HANDLE_FLAG_INHERIT, 0);
    }
  }

  HANDLE ends_[3];
};

PROCESS_INFORMATION CreateSuspended(const ChildStart& start, const ChildStreams& streams) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  if (start.show) {
    startup.dwFlags |= STARTF_USESHOWWINDOW;
    startup.wShowWindow = *start.show;
  }
  startup.hStdInput = streams.input.childs.Get();
  startup.hStdOutput = streams.output.childs.Get();
  startup.hStdError = streams.error.childs.Get();
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  std::wstring line = start.commandLine;  // CreateProcessW may write into it
  PROCESS_INFORMATION created{};
  const auto create = [&](DWORD breakAway) {
    return CreateProcessW(nullptr, &line[0],
                          start.inheritableProcessHandle ? &inheritable : nullptr, nullptr, TRUE,
                          CREATE_SUSPENDED | start.console | breakAway, nullptr,
                          start.directory.empty() ? nullptr : start.directory.c_str(), &startup,
                          &created) != FALSE;
  };
  const InheritedWhileStarting inherited(streams);
  bool started = create(start.breakAwayFromJob ? CREATE_BREAKAWAY_FROM_JOB : 0);
  if (!started && start.breakAwayFromJob && GetLastError() == ERROR_ACCESS_DENIED) {
    started = create(0);
  }
  if (!started) {
    RaiseLastOSError();
  }
  return created;
}

}  // namespace

ChildProcess StartChild(const ChildStart& start, const ChildStreams& streams) {
  const PROCESS_INFORMATION created = CreateSuspended(start, streams);
  ChildProcess child;
  child.process.Reset(created.hProcess);
  child.id = created.dwProcessId;
  UniqueHandle thread(created.hThread);
  child.job = CreateKillOnCloseJob();
  if (child.job && !AssignProcessToJobObject(child.job.Get(), child.process.Get())) {
    child.job.Reset();
  }
  if (ResumeThread(thread.Get()) == static_cast<DWORD>(-1) || !thread.Close()) {
    const DWORD code = GetLastError();
    TerminateProcess(child.process.Get(), start.failedStartExitCode);
    RaiseOSError(code);
  }
  return child;
}

void EndChild(HANDLE process, HANDLE job, UINT exitCode) {
  if (job) {
    EndJob(job, exitCode);
  } else {
    TerminateProcess(process, exitCode);
  }
}

UniqueHandle WaitableCopy(HANDLE process) {
  HANDLE copy;
  if (!DuplicateHandle(GetCurrentProcess(), process, GetCurrentProcess(), &copy, SYNCHRONIZE, FALSE,
                       0)) {
    RaiseLastOSError();
  }
  return UniqueHandle(copy);
}

}  // namespace win
