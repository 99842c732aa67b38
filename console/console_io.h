#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "base/component.h"
#include "console/message_window.h"
#include "console/received_output.h"
#include "console/split_rule.h"
#include "win/unique.h"

namespace console {

class TConsoleIO;

// Text from the child, copied from the pipes byte for byte: its encoding is
// whatever the child writes (the encoder writes UTF-8). OnError's text is
// the system's error text in UTF-8.
using TReceiveEvent = std::function<void(TConsoleIO* sender, const std::string& cmd)>;
// The child process handle was set (isRunning true) or cleared (false).
using TProcessStatusChangeEvent = std::function<void(TConsoleIO* sender, bool isRunning)>;

// A broken internal rule of the component; its text names the unit ConsoleIO.
class EAssertionFailed : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// Runs one console program at a time with its standard input, output and
// error on anonymous pipes. Two reader threads and an exit waiter hand every
// chunk and the end of the process to the creating (main) thread by
// SendMessage to a hidden window, so every event runs on the main thread,
// in order. Standard output is cut into lines by the split rule; standard
// error comes in raw chunks. Stopping writes the terminate command and,
// when allowed, kills the child after WaitTimeout.
//
// The end of a run is handled once both output pipes were read to their end
// after the child ended, bounded by a short drain time when another process
// inherited the pipes; output such a process writes later is still handed
// over, after the status change.
//
// The child runs in a job object of the run: a forced end takes every
// process the child started with it, and returns once they are gone, so
// that none of them still holds a file open.
//
// Every call and every event is on the creating thread. An event handler
// must not free the component that calls it. What the component cannot raise
// to a caller goes to the process's exception report (win/entry_guard.h) on
// the creating thread: an exception of an event handler it calls from its
// message window, a failure while it is destroyed, a failed worker.
class TConsoleIO : public base::TComponent {
 public:
  explicit TConsoleIO(base::TComponent* owner);
  ~TConsoleIO() override;

  // Published properties.
  bool IsRunning() const { return static_cast<bool>(process_); }
  const TReceiveEvent& OnReceiveOutput() const { return onReceiveOutput_; }
  void SetOnReceiveOutput(TReceiveEvent handler) { onReceiveOutput_ = std::move(handler); }
  const TReceiveEvent& OnReceiveError() const { return onReceiveError_; }
  void SetOnReceiveError(TReceiveEvent handler) { onReceiveError_ = std::move(handler); }
  const TReceiveEvent& OnError() const { return onError_; }
  void SetOnError(TReceiveEvent handler) { onError_ = std::move(handler); }
  const TProcessStatusChangeEvent& OnProcessStatusChange() const { return onProcessStatusChange_; }
  void SetOnProcessStatusChange(TProcessStatusChangeEvent handler) {
    onProcessStatusChange_ = std::move(handler);
  }
  const std::string& TerminateCommand() const { return terminateCommand_; }
  void SetTerminateCommand(std::string command) { terminateCommand_ = std::move(command); }
  bool StopProcessOnFree() const { return stopProcessOnFree_; }
  void SetStopProcessOnFree(bool value) { stopProcessOnFree_ = value; }
  bool EnableKill() const { return enableKill_; }
  void SetEnableKill(bool value) { enableKill_ = value; }
  int WaitTimeout() const { return waitTimeout_; }
  void SetWaitTimeout(int milliseconds) { waitTimeout_ = milliseconds; }
  TSplitMode SplitMode() const { return split_.splitMode; }
  void SetSplitMode(TSplitMode mode) { split_.splitMode = mode; }
  char SplitChar() const { return split_.splitChar; }
  void SetSplitChar(char value) { split_.splitChar = value; }
  bool SplitReceive() const { return split_.splitReceive; }
  void SetSplitReceive(bool value) { split_.splitReceive = value; }
  bool SplitSend() const { return split_.splitSend; }
  void SetSplitSend(bool value) { split_.splitSend = value; }

  // Starts commandLine (program and arguments, UTF-8, passed on unchanged as
  // a UTF-16 command line) in currentDir (UTF-8; empty: this process's
  // working directory). Visible gives the child a console window of its
  // own; a hidden child gets no console at all, which starts and ends it
  // sooner. Fires OnProcessStatusChange(true) before it returns. Refuses with
  // EAssertionFailed while a child is held; a failed system call raises
  // win::EOSError.
  void Run(const std::string& commandLine, const std::string& currentDir, bool visible);
  // Writes text plus the send separator to the child's standard input in one
  // write; raises win::EOSError when it fails or when no child was started.
  void SendLine(const std::string& text);
  // Writes TerminateCommand (when set) and, when EnableKill, ends the child
  // and the processes it started with exit code 4 unless it ended within
  // WaitTimeout. The end is reported later, through the message window, like
  // any end.
  void StopProcess();
  // Exit code of the last child whose end was handled (4 when killed);
  // STILL_ACTIVE from Run until then.
  unsigned long ExitCode() const { return exitCode_; }
  // Process id of the last child started; 0 before the first.
  unsigned long ProcessId() const { return processId_; }

 private:
  struct TReader;
  struct TRun;

  void HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void ReceiveOutput(const char* data, int count);
  void ReceiveError(const char* data, int count);
  void ProcessEnded();
  void HoldProcess(win::UniqueHandle process);
  void ReleaseProcess();
  void FireStatusChange();
  void StartWorkers(const std::shared_ptr<TRun>& run);

  // Shared with the workers of every run that may still send to it.
  std::shared_ptr<MessageWindow> window_;
  // The run's pipes and its workers' state; held from Run to its end.
  std::shared_ptr<TRun> run_;
  win::UniqueHandle process_;
  unsigned long exitCode_ = STILL_ACTIVE;
  unsigned long processId_ = 0;

  std::string terminateCommand_ = "quit";
  bool enableKill_ = false;
  int waitTimeout_ = 1000;
  bool stopProcessOnFree_ = true;
  TReceiveEvent onReceiveError_;
  TReceiveEvent onReceiveOutput_;
  TReceiveEvent onError_;
  TProcessStatusChangeEvent onProcessStatusChange_;
  // Standard output received but not yet delivered.
  ReceivedOutput receiveBuffer_;
  SplitRule split_;
};

}  // namespace console
