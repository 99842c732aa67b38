#include <gtest/gtest.h>

#include "tests/main_window/main_window_fixture.h"
#include "tests/support/window_driver.h"

namespace main_window_test {
namespace {

using Names = std::vector<std::string>;
using RunDriverTest = MainWindowTest;

TEST_F(RunDriverTest, EmptyListShowsTheFinishMessageAtOnce) {
  PressConvert();
  EXPECT_TRUE(EncoderStarts().empty());
  EXPECT_EQ(Names{PlainFinishText()}, boxes.Texts());
  EXPECT_EQ(Names{"Vexmoor"}, boxes.Captions());
  EXPECT_EQ("Ready", form->labelCurrentInfo->Caption());
}

TEST_F(RunDriverTest, ConvertsTopToBottomWithTheSettingsOfTheMoment) {
  AddEntry("one.avi", "ok");
  AddEntry("two.avi", "ok");
  PressConvert();
  EXPECT_EQ((Names{"one.avi", "two.avi"}), StartedInputs());
  EXPECT_EQ((Names{"one.3gp", "two.3gp"}), StartedOutputs());
  EXPECT_TRUE(FileExists(OutputPath("one.3gp")));
  EXPECT_EQ(Names{PlainFinishText()}, boxes.Texts());
  EXPECT_EQ("Ready", form->labelCurrentInfo->Caption());
  EXPECT_EQ(0, form->progressBarCurrent->Position());

  // A setting changed between two runs holds for the next one.
  DeleteFileA(OutputPath("one.3gp").c_str());
  DeleteFileA(OutputPath("two.3gp").c_str());
  SendMessageW(form->comboBoxVideoSize->Handle(), CB_SETCURSEL, 0, 0);
  PressConvert();
  const std::vector<encoder::EncoderRequest> starts = EncoderStarts();
  ASSERT_EQ(4u, starts.size());
  EXPECT_EQ("176x144", starts[1].frameSize);
  EXPECT_EQ("128x96", starts[2].frameSize);
  EXPECT_EQ("128x96", starts[3].frameSize);
}

// A stop in the first of three entries ends the run without the finish
// message; the next Convert starts from the top again, and a stop in its
// last entry still ends with the message, which does not count the
// stopped file as failed.
TEST_F(RunDriverTest, StopEndsTheRunAndTheNextConvertStartsFromTheTop) {
  const std::string first = AddEntry("first.avi", "wait");
  AddEntry("second.avi", "ok");
  AddEntry("third.avi", "wait");
  WhileEncoderWaits stopper(*form,
                            [&] { SendMessageW(form->buttonConvert->Handle(), BM_CLICK, 0, 0); });

  PressConvert();
  EXPECT_EQ(Names{"first.avi"}, StartedInputs());
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_FALSE(FileExists(OutputPath("first.3gp")));

  WriteTextFile(first, "ok\n");
  PressConvert();
  EXPECT_EQ((Names{"first.avi", "first.avi", "second.avi", "third.avi"}), StartedInputs());
  EXPECT_EQ(Names{PlainFinishText()}, boxes.Texts());
}

TEST_F(RunDriverTest, FailingEncoderStartEndsTheRunAndTheNextConvertStartsAgain) {
  test_support::TestFolder systemFolder;
  CreateWindows(systemFolder.Path());
  AddEntry("one.avi", "ok");
  AddEntry("two.avi", "ok");

  PressConvert();
  ASSERT_EQ(1u, errors.size());
  EXPECT_EQ(0u, errors[0].rfind("System Error.  Code: 2.", 0)) << errors[0];
  errors.clear();
  EXPECT_TRUE(EncoderStarts().empty());
  EXPECT_TRUE(boxes.Texts().empty());
  // The encoder never ran, so the window never turned busy.
  EXPECT_EQ("ConvertNow", form->buttonConvert->Caption());
  EXPECT_TRUE(form->listViewFiles->Enabled());

  ASSERT_TRUE(CopyFileA((FakeEncoderFolder() + "libm9s.exe").c_str(),
                        (systemFolder.Path() + "libm9s.exe").c_str(), FALSE));
  PressConvert();
  EXPECT_EQ((Names{"one.avi", "two.avi"}), StartedInputs());
  EXPECT_EQ(Names{PlainFinishText()}, boxes.Texts());
}

TEST_F(RunDriverTest, FinishMessageNamesEveryFileTheEncoderDidNotConvert) {
  const std::string unreadable = AddEntry("unreadable.avi", "fail");
  AddEntry("good.avi", "ok");
  const std::string unterminated = AddEntry("unterminated.avi", "fail-eol");
  AddEntry("empty.avi", "silent");

  PressConvert();
  EXPECT_EQ(4u, EncoderStarts().size());
  EXPECT_EQ(Names{"These files could not be converted:\r\n"
                  "unreadable.avi: Cannot read the input: " +
                  unreadable +
                  "\r\n"
                  "unterminated.avi: Cannot read the input: " +
                  unterminated +
                  "\r\n"
                  "empty.avi: no output file was written\r\n"
                  "\r\n" +
                  PlainFinishText()},
            boxes.Texts());
}

// A Convert dispatched after an encoder ended but before the wait for it
// has returned finds no encoder running; it must not start a run inside
// the run.
TEST_F(RunDriverTest, ConvertBetweenTwoEntriesDoesNotNestARun) {
  AddEntry("one.avi", "ok");
  AddEntry("two.avi", "ok");
  const console::TProcessStatusChangeEvent busySwitch = form->ConsoleIO->OnProcessStatusChange();
  int clicks = 0;
  form->ConsoleIO->SetOnProcessStatusChange([&](console::TConsoleIO* sender, bool running) {
    busySwitch(sender, running);
    if (!running && clicks++ < 2)
      PostMessageW(form->buttonConvert->Handle(), BM_CLICK, 0, 0);
  });

  PressConvert();
  test_support::PumpUntil([] { return false; }, 200);
  EXPECT_EQ(2, clicks);
  EXPECT_EQ((Names{"one.avi", "two.avi"}), StartedInputs());
  EXPECT_EQ(Names{PlainFinishText()}, boxes.Texts());
}

TEST_F(RunDriverTest, ClosingTheWindowDuringARunEndsItQuietly) {
  AddEntry("first.avi", "wait");
  AddEntry("second.avi", "ok");
  WhileEncoderWaits closer(*form,
                           [&] { SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); });

  PressConvert();
  // Whatever the released runner still had on its way arrives now.
  test_support::PumpUntil([] { return false; }, 300);
  EXPECT_EQ(Names{"first.avi"}, StartedInputs());
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

}  // namespace
}  // namespace main_window_test
