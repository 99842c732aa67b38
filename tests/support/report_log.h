#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace test_support {

// The process's exception report while it lives: it keeps each text, and
// the thread that reported it.
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
};

}  // namespace test_support
