#include "tests/support/report_log.h"

#include <utility>

namespace test_support {

ReportLog::ReportLog()
    : previous_(win::SetExceptionReport([this](std::exception_ptr error) {
        texts.push_back(win::ExceptionText(error));
        threads.push_back(GetCurrentThreadId());
        if (onReport) {
          onReport();
        }
      })) {}

ReportLog::~ReportLog() {
  win::SetExceptionReport(std::move(previous_));
}

}  // namespace test_support
