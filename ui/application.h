#pragma once

#include <exception>
#include <functional>
#include <string>

namespace ui {

// The application object: the message loop, the nested message pump of
// long operations, and the standard report of an exception that escaped a
// command or a window message (a message box with its text; the program
// goes on).
class TApplication {
 public:
  using ExceptionHandler = std::function<void(const std::string& text)>;

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }

  // Dispatches every message waiting in the thread's queue, then returns.
  void ProcessMessages();

  // Reports the exception being handled (call from a catch block).
  void HandleException();
  // Reports a given exception.
  void ShowException(std::exception_ptr error);

  // Replaces the message box, for tests and for hosts without a desktop.
  void SetOnException(ExceptionHandler handler) { onException_ = std::move(handler); }

  // Runs the message loop until WM_QUIT.
  int Run();
  void Terminate();

 private:
  std::string title_ = "Vexmoor";
  ExceptionHandler onException_;
};

TApplication& Application();

// Text of an exception for the report.
std::string ExceptionText(std::exception_ptr error);

}  // namespace ui
