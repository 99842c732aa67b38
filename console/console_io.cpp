#include "console/console_io.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <exception>
#include <thread>

#include "win/child_process.h"
#include "win/code_page.h"
#include "win/entry_guard.h"
#include "win/os_error.h"
#include "win/pipe.h"

namespace console {
namespace {

constexpr DWORD kReadSize = 1025;
constexpr DWORD kKilledExitCode = 4;
// After the child has ended, how long its end waits for the readers to reach
// the end of both output pipes. Only a process that inherited the child's
// output ends and outlives it keeps a pipe open past this: a grandchild, or,
// under Wine, a console host left behind by a child killed while its console
// was being set up.
constexpr DWORD kDrainTimeout = 1000;

[[noreturn]] void AssertionFailure(int line) {
  char text[64];
  std::snprintf(text, sizeof text, "Assertion failure (ConsoleIO, line %d)", line);
  throw EAssertionFailed(text);
}

// Empties a handle field, then closes the handle; a failed close raises.
void CloseField(win::UniqueHandle& field) {
  if (!field.Close()) {
    win::RaiseLastOSError();
  }
}

// Runs one step of a sequence that must go on when a step raises; the first
// failure is kept to be raised once the sequence is done.
template <typename Step>
void Keep(std::exception_ptr& failure, Step step) {
  try {
    step();
  } catch (...) {
    if (!failure) {
      failure = std::current_exception();
    }
  }
}

}  // namespace

// One output pipe and the worker that reads it, with the buffers its
// hand-overs point into.
struct TConsoleIO::TReader {
  explicit TReader(UINT message) : message(message) {}

  const UINT message;
  win::UniqueHandle pipe;      // the component's read end: the reader's own
  win::UniqueHandle childEnd;  // the child's write end: the exit waiter's
  char buffer[kReadSize];
  char errorText[512];
};

// What one run's workers share with the component. Each worker holds the run
// by shared_ptr, so every handle it uses stays open until it lets go, and it
// never touches the component itself. Fields are used by one thread each, as
// noted; the destructor closes whatever is left, the job last, which ends
// whatever the child left running.
struct TConsoleIO::TRun {
  explicit TRun(std::shared_ptr<MessageWindow> window) : window(std::move(window)) {}

  void Read(TReader& reader);
  void WaitForExit();
  void Send(UINT message, WPARAM wParam, LPARAM lParam);
  void ReaderDone();

  const std::shared_ptr<MessageWindow> window;
  win::UniqueHandle job;  // holds the child and what it starts; may be empty
  // True once the run's end was handled or the component let go of it: a
  // failed read then ends its reader without a report. Output read later
  // is still handed over while the component lives.
  std::atomic<bool> ended{false};
  win::UniqueHandle process;     // the exit waiter's own copy of the process handle
  win::UniqueHandle inputRead;   // the child's standard-input end: main thread
  win::UniqueHandle inputWrite;  // the component's standard-input end: main thread
  TReader output{CIO_RECEIVE_OUTPUT};
  TReader error{CIO_RECEIVE_ERROR};
  std::atomic<int> readersLeft{2};
  win::UniqueHandle drained;  // set when both readers reached the end of their pipes
};

void TConsoleIO::TRun::Send(UINT message, WPARAM wParam, LPARAM lParam) {
  if (window->Attached()) {
    SendMessageW(window->Handle(), message, wParam, lParam);
  }
}

void TConsoleIO::TRun::Read(TReader& reader) {
  for (;;) {
    DWORD count = 0;
    if (!ReadFile(reader.pipe.Get(), reader.buffer, kReadSize, &count, nullptr)) {
      const DWORD code = GetLastError();
      // A broken pipe is the end of the stream: the child and our copy of its
      // end have both let go of the write end.
      if (code == ERROR_BROKEN_PIPE || ended.load()) {
        break;
      }
      const std::string text = win::OSErrorText(code);
      const size_t length = std::min(text.size(), sizeof reader.errorText - 1);
      std::memcpy(reader.errorText, text.data(), length);
      reader.errorText[length] = '\0';
      Send(CIO_ERROR, reinterpret_cast<WPARAM>(reader.errorText), static_cast<LPARAM>(length + 1));
      continue;
    }
    if (count > 0) {
      Send(reader.message, reinterpret_cast<WPARAM>(reader.buffer), static_cast<LPARAM>(count));
    }
  }
  ReaderDone();
}

void TConsoleIO::TRun::ReaderDone() {
  if (readersLeft.fetch_sub(1) == 1) {
    SetEvent(drained.Get());
  }
}

void TConsoleIO::TRun::WaitForExit() {
  if (WaitForSingleObject(process.Get(), INFINITE) != WAIT_OBJECT_0) {
    return;
  }
  // The child's ends were kept open for the whole run so that the readers
  // could never meet the end of a pipe while it ran; now the pipes may end.
  output.childEnd.Reset();
  error.childEnd.Reset();
  WaitForSingleObject(drained.Get(), kDrainTimeout);
  Send(CIO_PROCESS_ENDED, reinterpret_cast<WPARAM>(this), 0);
}

TConsoleIO::TConsoleIO(base::TComponent* owner)
    : base::TComponent(owner),
      window_(std::make_shared<MessageWindow>([this](UINT message, WPARAM wParam, LPARAM lParam) {
        HandleMessage(message, wParam, lParam);
      })) {}

TConsoleIO::~TConsoleIO() {
  try {
    if (stopProcessOnFree_) {
      StopProcess();
    }
  } catch (...) {
    win::ReportException(std::current_exception());
  }
  try {
    ReleaseProcess();
  } catch (...) {
    win::ReportException(std::current_exception());
  }
  if (run_) {
    // The workers outlive the component: they keep draining the output pipes,
    // hand nothing over and free the run once the child and every process
    // that inherited its ends are gone. The child reads end of file on its
    // standard input from now on.
    run_->ended = true;
    run_->inputWrite.Reset();
    run_->inputRead.Reset();
    run_.reset();
  }
  window_->Detach();
}

void TConsoleIO::Run(const std::string& commandLine, const std::string& currentDir, bool visible) {
  // Refused before anything is created, so a second child is never started.
  if (IsRunning()) {
    AssertionFailure(__LINE__);
  }

  auto run = std::make_shared<TRun>(window_);
  run->drained.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!run->drained) {
    win::RaiseLastOSError();
  }
  win::ChildStreams streams = win::CreateChildStreams();
  win::ChildStart start;
  start.commandLine = win::Utf8ToWide(commandLine);
  start.directory = win::Utf8ToWide(currentDir);
  // A hidden child gets no console: a console host of its own would be
  // started for nothing, and under Wine it inherits the child's pipe ends
  // and holds them for 30 to 110 ms after the child has ended.
  start.console = visible ? CREATE_NEW_CONSOLE : DETACHED_PROCESS;
  start.show = visible ? SW_SHOW : SW_HIDE;
  start.inheritableProcessHandle = true;
  start.failedStartExitCode = kKilledExitCode;
  win::ChildProcess child = win::StartChild(start, streams);
  run->job = std::move(child.job);
  run->inputRead = std::move(streams.input.childs);
  run->inputWrite = std::move(streams.input.ours);
  run->output.pipe = std::move(streams.output.ours);
  run->output.childEnd = std::move(streams.output.childs);
  run->error.pipe = std::move(streams.error.ours);
  run->error.childEnd = std::move(streams.error.childs);
  try {
    run->process = win::WaitableCopy(child.process.Get());
  } catch (...) {
    // Without it nobody would ever report this child's end.
    win::EndChild(child.process.Get(), run->job.Get(), kKilledExitCode);
    throw;
  }

  exitCode_ = STILL_ACTIVE;
  processId_ = child.id;
  run_ = run;
  // The workers start even when the status handler raises, so that the end
  // of this child is still reported.
  std::exception_ptr failure;
  Keep(failure, [&] { HoldProcess(std::move(child.process)); });
  StartWorkers(run);
  if (failure) {
    std::rethrow_exception(failure);
  }
}

void TConsoleIO::StartWorkers(const std::shared_ptr<TRun>& run) {
  const auto start = [&run](void (*work)(TRun&)) {
    std::thread([run, work] {
      // Only memory exhaustion can raise in a worker; the worker then ends.
      win::GuardedCall([&] { work(*run); },
                       [&](std::exception_ptr error) { run->window->HandOverFailure(error); });
    }).detach();
  };
  start([](TRun& r) { r.Read(r.output); });
  start([](TRun& r) { r.Read(r.error); });
  start([](TRun& r) { r.WaitForExit(); });
}

void TConsoleIO::SendLine(const std::string& text) {
  HANDLE input = run_ ? run_->inputWrite.Get() : nullptr;
  if (!input) {
    win::RaiseOSError(ERROR_INVALID_HANDLE);
  }
  const std::string line = text + split_.SendSeparator();
  DWORD written = 0;
  if (!WriteFile(input, line.data(), static_cast<DWORD>(line.size()), &written, nullptr)) {
    win::RaiseLastOSError();
  }
}

void TConsoleIO::StopProcess() {
  if (!IsRunning()) {
    return;
  }
  if (!terminateCommand_.empty()) {
    SendLine(terminateCommand_);
  }
  if (enableKill_ &&
      (terminateCommand_.empty() ||
       WaitForSingleObject(process_.Get(), static_cast<DWORD>(waitTimeout_)) != WAIT_OBJECT_0)) {
    win::EndChild(process_.Get(), run_ ? run_->job.Get() : nullptr, kKilledExitCode);
  }
}

void TConsoleIO::HoldProcess(win::UniqueHandle process) {
  if (process_) {
    AssertionFailure(__LINE__);
  }
  process_ = std::move(process);
  FireStatusChange();
}

void TConsoleIO::ReleaseProcess() {
  if (!process_) {
    return;
  }
  const bool closed = process_.Close();
  const DWORD code = GetLastError();
  FireStatusChange();
  if (!closed) {
    win::RaiseOSError(code);
  }
}

void TConsoleIO::FireStatusChange() {
  if (TProcessStatusChangeEvent handler = onProcessStatusChange_) {
    handler(this, IsRunning());
  }
}

// Every hand-over comes from a worker of one of this component's runs,
// which waits in SendMessage meanwhile, so its data is valid here. Output
// of a run whose end was handled already (a process that inherited the
// pipes wrote it) is handled like any other, after the status change.
void TConsoleIO::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* data = reinterpret_cast<const char*>(wParam);
  switch (message) {
    case CIO_RECEIVE_OUTPUT:
      ReceiveOutput(data, static_cast<int>(lParam));
      break;
    case CIO_RECEIVE_ERROR:
      ReceiveError(data, static_cast<int>(lParam));
      break;
    case CIO_ERROR:
      if (TReceiveEvent handler = onError_) {
        handler(this, std::string(data));
      }
      break;
    case CIO_PROCESS_ENDED:
      if (run_ && reinterpret_cast<TRun*>(wParam) == run_.get()) {
        ProcessEnded();
      }
      break;
  }
}

void TConsoleIO::ReceiveOutput(const char* data, int count) {
  if (count > 0) {
    receiveBuffer_.Receive(std::string_view(data, static_cast<size_t>(count)), this,
                           onReceiveOutput_, split_);
  }
}

void TConsoleIO::ReceiveError(const char* data, int count) {
  if (TReceiveEvent handler = onReceiveError_) {
    handler(this, std::string(data, static_cast<size_t>(std::max(count, 0))));
  }
}

void TConsoleIO::ProcessEnded() {
  const std::shared_ptr<TRun> run = run_;
  run->ended = true;
  // Every step runs even when an event handler raises, so the component
  // always comes back to idle; the first failure is raised at the end.
  std::exception_ptr failure;
  const std::string rest = receiveBuffer_.TakeRest();
  if (TReceiveEvent handler = onReceiveOutput_) {
    Keep(failure, [&] { handler(this, rest); });
  }
  DWORD exitCode = STILL_ACTIVE;
  if (GetExitCodeProcess(process_.Get(), &exitCode)) {
    exitCode_ = exitCode;
  }
  Keep(failure, [&] { ReleaseProcess(); });
  // A status handler may have started the next run already; only this run's
  // pipes are closed. The readers' ends go with the run when they let go.
  if (run_ == run) {
    run_.reset();
  }
  Keep(failure, [&] { CloseField(run->inputRead); });
  Keep(failure, [&] { CloseField(run->inputWrite); });
  if (failure) {
    std::rethrow_exception(failure);
  }
}

}  // namespace console
