#pragma once

#include <exception>
#include <functional>
#include <string>
#include <utility>

#include "win/deferred_release.h"

namespace win {

// Where the program reports an exception that reached one of its entry
// points: the window program shows its text in a message box and goes on,
// the encoder writes it to its error output.
using ExceptionReport = std::function<void(std::exception_ptr error)>;

// Makes `report` the process's report and returns the one it replaces; set
// by the program as it starts, before any thread that may report runs.
// Empty: the text goes to the standard error output.
ExceptionReport SetExceptionReport(ExceptionReport report);

// Hands an exception to the process's report, on the calling thread. A
// report that raises ends the process.
void ReportException(std::exception_ptr error) noexcept;

// The text of an exception for a report.
std::string ExceptionText(std::exception_ptr error);

// The one way in for every call the system makes into the program: window
// procedures, hooks, enumeration callbacks and thread entries. It opens the
// message scope for the time of the call and hands an exception to
// `report` (the process's report unless given), so that none crosses the
// system's frames. A thread whose work belongs to another thread passes a
// report that hands the failure over to that thread.
template <typename Call, typename Report = void (*)(std::exception_ptr) noexcept>
void GuardedCall(Call&& call, Report report = &ReportException) noexcept {
  MessageScope scope;
  try {
    std::forward<Call>(call)();
  } catch (...) {
    report(std::current_exception());
  }
}

// As GuardedCall, for a callback whose result goes back to the system:
// `call`'s result, or `fallback` when it raised.
template <typename Result, typename Call>
Result Guarded(Result fallback, Call&& call) noexcept {
  Result result = fallback;
  GuardedCall([&] { result = std::forward<Call>(call)(); });
  return result;
}

}  // namespace win
