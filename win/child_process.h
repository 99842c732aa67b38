#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win/pipe.h"
#include "win/unique.h"

namespace win {

// How StartChild starts a child.
struct ChildStart {
  std::wstring commandLine;  // program and arguments, passed on unchanged
  std::wstring directory;    // its working directory; empty: ours
  // No console (DETACHED_PROCESS) or one of its own (CREATE_NEW_CONSOLE).
  DWORD console = DETACHED_PROCESS;
  // The show state of its console window, when given.
  std::optional<WORD> show;
  // Lets children started later inherit the child's process handle.
  bool inheritableProcessHandle = false;
  // Tries first to start it outside a job this process runs in, so that it
  // can join a job of its own on systems without nested jobs; a job that
  // forbids breaking away refuses with ERROR_ACCESS_DENIED, and the child
  // then starts inside it.
  bool breakAwayFromJob = false;
  // The child is ended with this code when its start fails once it exists.
  UINT failedStartExitCode = 1;
};

struct ChildProcess {
  UniqueHandle process;
  // Holds the child and whatever it starts, and ends them all when its last
  // handle closes; empty when the system refused one (nested jobs, before
  // Windows 8, are refused to a process that already runs in a job).
  UniqueHandle job;
  DWORD id = 0;
};

// Starts a child with its standard streams on the child's ends of
// `streams`: suspended, put into a kill-on-close job of its own and only
// then resumed, so nothing it starts escapes the job. The child's ends are
// inheritable only while it is created. Raises EOSError; a child that exists
// when a later step fails is ended first.
ChildProcess StartChild(const ChildStart& start, const ChildStreams& streams);

// Ends a child with exitCode: through its job when it has one, which takes
// whatever the child started with it and returns once all of them are gone,
// so that none of them still holds a file open.
void EndChild(HANDLE process, HANDLE job, UINT exitCode);

// A copy of a process handle that only waits for the process's end, for a
// thread that waits while the owner of the original may close it. Raises
// EOSError.
UniqueHandle WaitableCopy(HANDLE process);

}  // namespace win
