#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/window_driver.h"

namespace test_support {

// Answers every message box of the test thread (class #32770) with the set
// answer and keeps the text each one showed.
class MessageBoxLog {
 public:
  explicit MessageBoxLog(int answer);
  void SetAnswer(int answer) { answer_ = answer; }
  const std::vector<std::string>& Texts() const { return texts_; }
  const std::vector<std::string>& Captions() const { return captions_; }

 private:
  bool AnswerNewBox();

  int answer_;
  HWND lastAnswered_ = nullptr;
  std::vector<std::string> texts_;
  std::vector<std::string> captions_;
  test_support::RepeatingTimer timer_;
};

}  // namespace test_support
