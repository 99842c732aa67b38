// The time left beside the progress bar, read after every text of the
// encoder through two files of five seconds each.
#include <gtest/gtest.h>

#include <regex>

#include "tests/main_window/main_window_fixture.h"

namespace main_window_test {
namespace {

using TimeLeftTest = MainWindowTest;

struct Shown {
  int file;          // counted from 0
  double seconds;    // since the file's first text
  std::string text;  // of the time left
};

int Seconds(const std::string& minutes, const std::string& seconds) {
  return std::stoi(minutes) * 60 + std::stoi(seconds);
}

// Nothing shows in the first seconds of a file; then the file's time left
// and the run's, which holds the second file's five seconds while the
// first converts. The end of the run clears it.
TEST_F(TimeLeftTest, ShowsAfterAFewSecondsOfProgress) {
  AddEntry("first.avi", "steady");
  AddEntry("second.avi", "steady");
  std::vector<Shown> shown;
  int file = -1;
  DWORD fileStart = 0;
  const console::TReceiveEvent parse = form->ConsoleIO->OnReceiveError();
  form->ConsoleIO->SetOnReceiveError([&](console::TConsoleIO* sender, const std::string& text) {
    parse(sender, text);
    if (text.find("Duration:") != std::string::npos) {
      ++file;
      fileStart = GetTickCount();
    }
    shown.push_back({file, (GetTickCount() - fileStart) / 1000.0, form->labelTimeLeft->Caption()});
  });

  PressConvert();
  const std::regex format("([0-9]+):([0-9]{2}) left, ([0-9]+):([0-9]{2}) for the run");
  int estimates = 0;
  for (const Shown& s : shown) {
    SCOPED_TRACE(std::to_string(s.file) + " at " + std::to_string(s.seconds) + ": " + s.text);
    if (s.seconds < 2.5) {
      EXPECT_EQ("", s.text);
      continue;
    }
    std::smatch parts;
    if (s.seconds > 4.0 && s.file == 0) {
      ASSERT_TRUE(std::regex_match(s.text, parts, format));
      const int fileLeft = Seconds(parts[1], parts[2]);
      const int runLeft = Seconds(parts[3], parts[4]);
      EXPECT_LE(fileLeft, 3);
      EXPECT_GE(runLeft, fileLeft + 3);
      EXPECT_LE(runLeft, fileLeft + 10);
      ++estimates;
    }
  }
  EXPECT_GT(estimates, 0);
  EXPECT_EQ("", form->labelTimeLeft->Caption());
}

}  // namespace
}  // namespace main_window_test
