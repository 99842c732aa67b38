// A program of its own: once the application has seen WM_QUIT it stays
// terminated, which would end the waits of every later test.
#include <gtest/gtest.h>

#include "tests/main_window/main_window_fixture.h"
#include "ui/application.h"

namespace main_window_test {
namespace {

using Names = std::vector<std::string>;
using ProgramEndTest = MainWindowTest;

// The program ends while the encoder converts: the encoder is stopped and
// its end awaited before the run gives up, so nothing is counted as failed,
// nothing is asked, and the runner is free again.
TEST_F(ProgramEndTest, EndDuringARunStopsTheEncoderFirst) {
  AddEntry("first.avi", "wait");
  AddEntry("second.avi", "ok");
  WhileEncoderWaits ender(*form, [] { ui::Application().Terminate(); });

  PressConvert();
  EXPECT_TRUE(ui::Application().Terminated());
  EXPECT_FALSE(form->ConsoleIO->IsRunning());
  EXPECT_EQ(3u, form->ConsoleIO->ExitCode());  // it ended on "quit"
  EXPECT_EQ(Names{"first.avi"}, StartedInputs());
  EXPECT_TRUE(boxes.Texts().empty());

  PressConvert();
  EXPECT_EQ(Names{"first.avi"}, StartedInputs());
  EXPECT_TRUE(boxes.Texts().empty());
}

}  // namespace
}  // namespace main_window_test
