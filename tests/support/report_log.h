#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/entry_guard.h"

namespace test_support {

// The process's exception report while it lives: it keeps each text, and
// the thread that reported it; the report before it comes back after it.
class ReportLog {
 public:
  ReportLog();
  ~ReportLog();
  ReportLog(const ReportLog&) = delete;
  ReportLog& operator=(const ReportLog&) = delete;

  std::vector<std::string> texts;
  std::vector<DWORD> threads;
  // Runs as each report arrives, after it was kept.
  std::function<void()> onReport;

 private:
  win::ExceptionReport previous_;
};

}  // namespace test_support
