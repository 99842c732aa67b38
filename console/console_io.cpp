#include "console/console_io.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <exception>
#include <thread>
#include <vector>

#include "win/code_page.h"
#include "win/entry_guard.h"
#include "win/job_object.h"
#include "win/os_error.h"
#include "win/window_class.h"

namespace console {
namespace {

// Hand-overs from the workers to the message window; wParam and lParam as
// noted.
constexpr UINT CIO_RECEIVE_OUTPUT = 0x1D11;  // chunk address, byte count
constexpr UINT CIO_RECEIVE_ERROR = 0x1D12;   // chunk address, byte count
constexpr UINT CIO_ERROR = 0x1D13;           // error text address, its length plus 1
constexpr UINT CIO_PROCESS_ENDED = 0x1D14;   // the run, 0
constexpr UINT CIO_WORKER_FAILED = 0x1D15;   // the worker's exception_ptr, 0

constexpr DWORD kReadSize = 1025;
constexpr DWORD kKilledExitCode = 4;
// After the child has ended, how long its end waits for the readers to reach
// the end of both output pipes. Only a process that inherited the child's
// output ends and outlives it keeps a pipe open past this: a grandchild, or,
// under Wine, a console host left behind by a child killed while its console
// was being set up.
constexpr DWORD kDrainTimeout = 1000;
// How long a forced end waits for the processes of the child's job to be
// gone; a killed process goes within milliseconds.
constexpr DWORD kKillTimeout = 5000;
// The most processes of one job a forced end waits for.
constexpr DWORD kMostJobProcesses = 32;

[[noreturn]] void AssertionFailure(int line) {
  char text[64];
  std::snprintf(text, sizeof text, "Assertion failure (ConsoleIO, line %d)", line);
  throw EAssertionFailed(text);
}

// Empties a handle field, then closes the handle; a failed close raises.
void CloseField(win::UniqueHandle& field) {
  if (!field.Close())
    win::RaiseLastOSError();
}

void CreateInheritablePipe(win::UniqueHandle& read, win::UniqueHandle& write) {
  SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
  HANDLE readEnd, writeEnd;
  if (!CreatePipe(&readEnd, &writeEnd, &attributes, 0))
    win::RaiseLastOSError();
  read.Reset(readEnd);
  write.Reset(writeEnd);
}

// A non-inheritable copy of a handle with the same access.
win::UniqueHandle PrivateCopy(HANDLE handle) {
  HANDLE copy;
  if (!DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &copy, 0, FALSE,
                       DUPLICATE_SAME_ACCESS))
    win::RaiseLastOSError();
  return win::UniqueHandle(copy);
}

// Ends every process of the job and waits until they are gone, so that the
// files they held are closed when this returns.
void EndJob(HANDLE job) {
  struct {
    JOBOBJECT_BASIC_PROCESS_ID_LIST list;
    ULONG_PTR more[kMostJobProcesses];
  } ids{};
  std::vector<win::UniqueHandle> processes;
  if (QueryInformationJobObject(job, JobObjectBasicProcessIdList, &ids, sizeof ids, nullptr)) {
    const DWORD count = std::min<DWORD>(ids.list.NumberOfProcessIdsInList, kMostJobProcesses);
    for (DWORD i = 0; i < count; ++i) {
      win::UniqueHandle process(
          OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(ids.list.ProcessIdList[i])));
      if (process)
        processes.push_back(std::move(process));
    }
  }
  TerminateJobObject(job, kKilledExitCode);
  std::vector<HANDLE> handles;
  for (const win::UniqueHandle& process : processes)
    handles.push_back(process.Get());
  if (!handles.empty())
    WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), TRUE, kKillTimeout);
}

// Runs one step of a sequence that must go on when a step raises; the first
// failure is kept to be raised once the sequence is done.
template <typename Step>
void Keep(std::exception_ptr& failure, Step step) {
  try {
    step();
  } catch (...) {
    if (!failure)
      failure = std::current_exception();
  }
}

}  // namespace

// The hidden window that carries the hand-overs to the creating thread. The
// component and every run whose workers may still send to it share it, so a
// late SendMessage always meets this live window, never a destroyed one or a
// later window that reused its handle. Once the component is gone the window
// ignores the hand-overs but a worker's failure, and the last holder
// destroys it: at once on the creating thread; else it lets go of the window
// and posts WM_CLOSE, which the creating thread's default handling answers
// by destroying the window.
class TConsoleIO::TMessageWindow : private win::WindowObject {
 public:
  explicit TMessageWindow(TConsoleIO* component)
      : component_(component), thread_(GetCurrentThreadId()) {
    handle_ = CreateWindowExW(0, win::RegisterWindowClass(kConsoleIOWindowClass), L"", 0, 0, 0, 0,
                              0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                              static_cast<WindowObject*>(this));
    if (!handle_)
      win::RaiseLastOSError();
  }
  ~TMessageWindow() {
    if (GetCurrentThreadId() == thread_) {
      DestroyWindow(handle_);
      return;
    }
    Unlink(handle_);
    PostMessageA(handle_, WM_CLOSE, 0, 0);
  }

  HWND Handle() const { return handle_; }
  // Once the component is gone, the workers stop handing over.
  bool Attached() const { return attached_.load(); }
  void DetachComponent() {
    attached_ = false;
    component_ = nullptr;
  }

 private:
  // A failure of the component's handling, or a worker's, raised here goes
  // to the report; the message counts as handled.
  LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case CIO_RECEIVE_OUTPUT:
      case CIO_RECEIVE_ERROR:
      case CIO_ERROR:
      case CIO_PROCESS_ENDED:
        if (component_)
          component_->HandleMessage(message, wParam, lParam);
        return 0;
      case CIO_WORKER_FAILED:
        std::rethrow_exception(*reinterpret_cast<const std::exception_ptr*>(wParam));
      case WM_CLOSE:  // only the window let go of closes
        return 0;
      default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
  }

  TConsoleIO* component_;  // the creating thread's
  HWND handle_;
  DWORD thread_;
  std::atomic<bool> attached_{true};
};

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
  explicit TRun(std::shared_ptr<TMessageWindow> window) : window(std::move(window)) {}

  void Read(TReader& reader);
  void WaitForExit();
  void Send(UINT message, WPARAM wParam, LPARAM lParam);
  void ReaderDone();
  void HandOverFailure(std::exception_ptr error);

  const std::shared_ptr<TMessageWindow> window;
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
  if (window->Attached())
    SendMessageA(window->Handle(), message, wParam, lParam);
}

// Also once the component is gone: the failure is the program's to report.
void TConsoleIO::TRun::HandOverFailure(std::exception_ptr error) {
  SendMessageA(window->Handle(), CIO_WORKER_FAILED, reinterpret_cast<WPARAM>(&error), 0);
}

void TConsoleIO::TRun::Read(TReader& reader) {
  for (;;) {
    DWORD count = 0;
    if (!ReadFile(reader.pipe.Get(), reader.buffer, kReadSize, &count, nullptr)) {
      const DWORD code = GetLastError();
      // A broken pipe is the end of the stream: the child and our copy of its
      // end have both let go of the write end.
      if (code == ERROR_BROKEN_PIPE || ended.load())
        break;
      const std::string text = win::OSErrorText(code);
      const size_t length = std::min(text.size(), sizeof reader.errorText - 1);
      std::memcpy(reader.errorText, text.data(), length);
      reader.errorText[length] = '\0';
      Send(CIO_ERROR, reinterpret_cast<WPARAM>(reader.errorText), static_cast<LPARAM>(length + 1));
      continue;
    }
    if (count > 0)
      Send(reader.message, reinterpret_cast<WPARAM>(reader.buffer), static_cast<LPARAM>(count));
  }
  ReaderDone();
}

void TConsoleIO::TRun::ReaderDone() {
  if (readersLeft.fetch_sub(1) == 1)
    SetEvent(drained.Get());
}

void TConsoleIO::TRun::WaitForExit() {
  if (WaitForSingleObject(process.Get(), INFINITE) != WAIT_OBJECT_0)
    return;
  // The child's ends were kept open for the whole run so that the readers
  // could never meet the end of a pipe while it ran; now the pipes may end.
  output.childEnd.Reset();
  error.childEnd.Reset();
  WaitForSingleObject(drained.Get(), kDrainTimeout);
  Send(CIO_PROCESS_ENDED, reinterpret_cast<WPARAM>(this), 0);
}

TConsoleIO::TConsoleIO(base::TComponent* owner)
    : base::TComponent(owner), window_(std::make_shared<TMessageWindow>(this)) {}

TConsoleIO::~TConsoleIO() {
  try {
    if (stopProcessOnFree_)
      StopProcess();
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
  window_->DetachComponent();
}

void TConsoleIO::SetSplitMode(TSplitMode mode) {
  splitMode_ = mode;
  scanned_ = 0;
}

void TConsoleIO::SetSplitChar(char value) {
  splitChar_ = value;
  scanned_ = 0;
}

std::string TConsoleIO::Separator() const {
  switch (splitMode_) {
    case sm0D0A:
      return "\r\n";
    case smSplitchar:
      return std::string(1, splitChar_);
    default:
      return {};
  }
}

void TConsoleIO::Run(const std::string& commandLine, const std::string& currentDir, bool visible) {
  // Refused before anything is created, so a second child is never started.
  if (IsRunning())
    AssertionFailure(__LINE__);

  auto run = std::make_shared<TRun>(window_);
  run->drained.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!run->drained)
    win::RaiseLastOSError();
  win::UniqueHandle inputWrite, outputRead, errorRead;  // inheritable originals
  CreateInheritablePipe(run->inputRead, inputWrite);
  run->inputWrite = PrivateCopy(inputWrite.Get());
  CreateInheritablePipe(outputRead, run->output.childEnd);
  run->output.pipe = PrivateCopy(outputRead.Get());
  CreateInheritablePipe(errorRead, run->error.childEnd);
  run->error.pipe = PrivateCopy(errorRead.Get());
  CloseField(inputWrite);
  CloseField(outputRead);
  CloseField(errorRead);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
  startup.wShowWindow = visible ? SW_SHOW : SW_HIDE;
  startup.hStdInput = run->inputRead.Get();
  startup.hStdOutput = run->output.childEnd.Get();
  startup.hStdError = run->error.childEnd.Get();
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  std::wstring line = win::Utf8ToWide(commandLine);
  line.push_back(L'\0');
  const std::wstring directory = win::Utf8ToWide(currentDir);
  // A hidden child gets no console: a console host of its own would be
  // started for nothing, and under Wine it inherits the child's pipe ends
  // and holds them for 30 to 110 ms after the child has ended. The child
  // starts suspended, to be in its job before it can start anything.
  const DWORD flags = CREATE_SUSPENDED | (visible ? CREATE_NEW_CONSOLE : DETACHED_PROCESS);
  PROCESS_INFORMATION created{};
  if (!CreateProcessW(nullptr, &line[0], &inheritable, nullptr, TRUE, flags, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &created))
    win::RaiseLastOSError();
  // The child has its copies of its ends now. Ours must not reach a child
  // started later, even by another component: its inherited copies would
  // keep this run's pipes open after this child has ended.
  for (HANDLE end : {run->inputRead.Get(), run->output.childEnd.Get(), run->error.childEnd.Get()})
    SetHandleInformation(end, HANDLE_FLAG_INHERIT, 0);
  win::UniqueHandle process(created.hProcess);
  win::UniqueHandle thread(created.hThread);
  // Without a job (the system refuses nested jobs to a program that already
  // runs in one) a forced end takes only the child.
  run->job = win::CreateKillOnCloseJob();
  if (run->job && !AssignProcessToJobObject(run->job.Get(), process.Get()))
    run->job.Reset();
  if (ResumeThread(thread.Get()) == static_cast<DWORD>(-1)) {
    const DWORD code = GetLastError();
    TerminateProcess(process.Get(), kKilledExitCode);
    win::RaiseOSError(code);
  }
  CloseField(thread);

  HANDLE waiterCopy;
  if (!DuplicateHandle(GetCurrentProcess(), process.Get(), GetCurrentProcess(), &waiterCopy,
                       SYNCHRONIZE, FALSE, 0)) {
    // Without it nobody would ever report this child's end.
    const DWORD code = GetLastError();
    TerminateProcess(process.Get(), kKilledExitCode);
    win::RaiseOSError(code);
  }
  run->process.Reset(waiterCopy);

  exitCode_ = STILL_ACTIVE;
  processId_ = created.dwProcessId;
  run_ = run;
  // The workers start even when the status handler raises, so that the end
  // of this child is still reported.
  std::exception_ptr failure;
  Keep(failure, [&] { HoldProcess(std::move(process)); });
  StartWorkers(run);
  if (failure)
    std::rethrow_exception(failure);
}

void TConsoleIO::StartWorkers(const std::shared_ptr<TRun>& run) {
  const auto start = [&run](void (*work)(TRun&)) {
    std::thread([run, work] {
      // Only memory exhaustion can raise in a worker; the worker then ends.
      win::GuardedCall([&] { work(*run); },
                       [&](std::exception_ptr error) { run->HandOverFailure(error); });
    }).detach();
  };
  start([](TRun& r) { r.Read(r.output); });
  start([](TRun& r) { r.Read(r.error); });
  start([](TRun& r) { r.WaitForExit(); });
}

void TConsoleIO::SendLine(const std::string& text) {
  HANDLE input = run_ ? run_->inputWrite.Get() : nullptr;
  if (!input)
    win::RaiseOSError(ERROR_INVALID_HANDLE);
  const std::string line = splitSend_ ? text + Separator() : text;
  DWORD written = 0;
  if (!WriteFile(input, line.data(), static_cast<DWORD>(line.size()), &written, nullptr))
    win::RaiseLastOSError();
}

void TConsoleIO::StopProcess() {
  if (!IsRunning())
    return;
  if (!terminateCommand_.empty())
    SendLine(terminateCommand_);
  if (enableKill_ &&
      (terminateCommand_.empty() ||
       WaitForSingleObject(process_.Get(), static_cast<DWORD>(waitTimeout_)) != WAIT_OBJECT_0))
    Kill();
}

void TConsoleIO::Kill() {
  if (run_ && run_->job)
    EndJob(run_->job.Get());
  else
    TerminateProcess(process_.Get(), kKilledExitCode);
}

void TConsoleIO::HoldProcess(win::UniqueHandle process) {
  if (process_)
    AssertionFailure(__LINE__);
  process_ = std::move(process);
  FireStatusChange();
}

void TConsoleIO::ReleaseProcess() {
  if (!process_)
    return;
  const bool closed = process_.Close();
  const DWORD code = GetLastError();
  FireStatusChange();
  if (!closed)
    win::RaiseOSError(code);
}

void TConsoleIO::FireStatusChange() {
  if (TProcessStatusChangeEvent handler = onProcessStatusChange_)
    handler(this, IsRunning());
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
      if (TReceiveEvent handler = onError_)
        handler(this, std::string(data));
      break;
    case CIO_PROCESS_ENDED:
      if (run_ && reinterpret_cast<TRun*>(wParam) == run_.get())
        ProcessEnded();
      break;
  }
}

void TConsoleIO::ReceiveOutput(const char* data, int count) {
  if (count <= 0)
    return;
  receiveBuffer_.append(data, static_cast<size_t>(count));
  // Each delivered text leaves the buffer before its handler runs, so a
  // handler that raises does not get it again and one that pumps messages
  // sees a consistent buffer.
  while (TReceiveEvent handler = onReceiveOutput_) {
    const std::string separator = splitReceive_ ? Separator() : std::string();
    if (separator.empty()) {
      std::string text;
      text.swap(receiveBuffer_);
      scanned_ = 0;
      handler(this, text);
      return;
    }
    const size_t end = receiveBuffer_.find(separator, scanned_);
    if (end == std::string::npos) {
      // A separator may start in the last bytes and end in the next chunk.
      scanned_ = receiveBuffer_.size() - std::min(receiveBuffer_.size(), separator.size() - 1);
      return;
    }
    std::string text(receiveBuffer_, 0, end);
    receiveBuffer_.erase(0, end + separator.size());
    scanned_ = 0;
    handler(this, text);
  }
}

void TConsoleIO::ReceiveError(const char* data, int count) {
  if (TReceiveEvent handler = onReceiveError_)
    handler(this, std::string(data, static_cast<size_t>(std::max(count, 0))));
}

void TConsoleIO::ProcessEnded() {
  const std::shared_ptr<TRun> run = run_;
  run->ended = true;
  // Every step runs even when an event handler raises, so the component
  // always comes back to idle; the first failure is raised at the end.
  std::exception_ptr failure;
  std::string rest;
  rest.swap(receiveBuffer_);
  scanned_ = 0;
  if (TReceiveEvent handler = onReceiveOutput_)
    Keep(failure, [&] { handler(this, rest); });
  DWORD exitCode = STILL_ACTIVE;
  if (GetExitCodeProcess(process_.Get(), &exitCode))
    exitCode_ = exitCode;
  Keep(failure, [&] { ReleaseProcess(); });
  // A status handler may have started the next run already; only this run's
  // pipes are closed. The readers' ends go with the run when they let go.
  if (run_ == run)
    run_.reset();
  Keep(failure, [&] { CloseField(run->inputRead); });
  Keep(failure, [&] { CloseField(run->inputWrite); });
  if (failure)
    std::rethrow_exception(failure);
}

}  // namespace console
