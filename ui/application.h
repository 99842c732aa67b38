#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace ui {

class TForm;
class TaskbarWindow;

// The application object: the message loop, the nested message pump of
// long operations, and the standard report of an exception that escaped a
// command or a window message (a message box with its text; the program
// goes on).
class TApplication {
 public:
  using ExceptionHandler = std::function<void(const std::string& text)>;

  // What ended WaitForMessageOrHandle.
  enum class WaitResult { Message, Signalled, Timeout };

  // Registers the common controls and makes ShowException the process's
  // exception report (win/entry_guard.h), which shows on the calling
  // thread: a worker thread hands its failures to this one. Done once,
  // before the first control.
  void Initialize();

  TApplication();
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  // The title: the caption of the message boxes and the text of the
  // program's taskbar button.
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title);

  // The form whose closing ends the program. It is owned by the taskbar
  // window below, made with the first main form.
  TForm* MainForm() const { return mainForm_; }
  void SetMainForm(TForm* form);
  // The window of the taskbar button (TaskbarWindow); nullptr before the
  // first main form.
  HWND TaskbarHandle() const;
  // Minimizes the program to its taskbar button, the main form hidden.
  void MinimizeMainForm();

  // Dispatches every message waiting in the thread's queue, then returns.
  // WM_QUIT sets Terminated and is posted again for the outer loop.
  void ProcessMessages();
  // Waits for one message and dispatches it; WM_QUIT as above. Loops that
  // pump messages end when Terminated is set.
  void HandleMessage();
  // Blocks, without using the processor, until a message is waiting in the
  // queue (also one already seen but not removed), the handle is signalled
  // (nullptr: no handle) or the timeout in milliseconds passes. Dispatches
  // nothing.
  WaitResult WaitForMessageOrHandle(HANDLE handle, DWORD timeout = INFINITE);

  // Reports the exception being handled (call from a catch block).
  void HandleException();
  // Reports a given exception.
  void ShowException(std::exception_ptr error);

  // Replaces the message box, for tests and for hosts without a desktop.
  void SetOnException(ExceptionHandler handler) { onException_ = std::move(handler); }

  // Runs the message loop until WM_QUIT and returns its exit code.
  int Run();
  void Terminate();
  bool Terminated() const { return terminated_; }

 private:
  // Hands a message to its window, after the keyboard handling of forms
  // (Tab, Enter for the default button, Escape).
  void Dispatch(MSG& message);

  std::string title_ = "Vexmoor";
  std::unique_ptr<TaskbarWindow> taskbarWindow_;
  ExceptionHandler onException_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  int exitCode_ = 0;
};

TApplication& Application();

}  // namespace ui
