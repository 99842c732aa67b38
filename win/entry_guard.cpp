#include "win/entry_guard.h"

#include <windows.h>

#include <utility>

namespace win {

namespace {

ExceptionReport& ProcessReport() {
  static ExceptionReport report;
  return report;
}

void WriteToErrorOutput(const std::string& text) {
  const std::string line = text + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written,
            nullptr);
}

}  // namespace

ExceptionReport SetExceptionReport(ExceptionReport report) {
  return std::exchange(ProcessReport(), std::move(report));
}

void ReportException(std::exception_ptr error) noexcept {
  if (const ExceptionReport& report = ProcessReport()) {
    report(error);
  } else {
    WriteToErrorOutput(ExceptionText(error));
  }
}

std::string ExceptionText(std::exception_ptr error) {
  constexpr char kNoText[] = "Unknown error";
  if (!error) {
    return kNoText;
  }
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return kNoText;
  }
}

}  // namespace win
