#include "tests/support/report_log.h"

#include "win/entry_guard.h"

namespace test_support {

ReportLog::ReportLog() {
  win::SetExceptionReport([this](std::exception_ptr error) {
    texts.push_back(win::ExceptionText(error));
    threads.push_back(GetCurrentThreadId());
    if (onReport)
      onReport();
  });
}

ReportLog::~ReportLog() {
  win::SetExceptionReport(nullptr);
}

}  // namespace test_support
