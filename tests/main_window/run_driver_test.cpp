#include <gtest/gtest.h>

#include "conversion/command_line.h"
#include "tests/main_window/main_window_fixture.h"
#include "tests/support/unicode_names.h"
#include "tests/support/window_driver.h"
#include "win/code_page.h"

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
  DeleteFileW(win::Utf8ToWide(OutputPath("one.3gp")).c_str());
  DeleteFileW(win::Utf8ToWide(OutputPath("two.3gp")).c_str());
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
  // What the stopped encoder said last is shown, not the idle text: its
  // entry with no frames and the bar at 0.
  EXPECT_EQ("Converting 1/3 first.avi  [0/20]", form->labelCurrentInfo->Caption());
  EXPECT_EQ(0, form->progressBarCurrent->Position());

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
  EXPECT_EQ("&Convert", form->buttonConvert->Caption());
  EXPECT_TRUE(form->listViewFiles->Enabled());
  // The entry failed with the error shown; the next one was not reached.
  EXPECT_EQ(joblist::EntryState::Failed, form->EntryStatusAt(0).state);
  EXPECT_EQ(0u, form->EntryStatusAt(0).reason.rfind("System Error.  Code: 2.", 0));
  EXPECT_EQ(joblist::EntryState::Waiting, form->EntryStatusAt(1).state);

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
  EXPECT_EQ((Names{RetryOfferText("unreadable.avi: Cannot read the input: " + unreadable +
                                  "\r\n"
                                  "unterminated.avi: Cannot read the input: " +
                                  unterminated +
                                  "\r\n"
                                  "empty.avi: no output file was written\r\n"),
                   PlainFinishText()}),
            boxes.Texts());
}

// A Stop dispatched after an encoder ended but before the wait for it has
// returned finds no encoder running, but the run goes on: it stops the run
// as a stop during the entry does, and never starts a run inside it.
TEST_F(RunDriverTest, StopBetweenTwoEntriesEndsTheRun) {
  AddEntry("one.avi", "ok");
  AddEntry("two.avi", "ok");
  const console::TProcessStatusChangeEvent busySwitch = form->ConsoleIO->OnProcessStatusChange();
  int clicks = 0;
  form->ConsoleIO->SetOnProcessStatusChange([&](console::TConsoleIO* sender, bool running) {
    busySwitch(sender, running);
    if (!running && clicks++ == 0) {
      PostMessageW(form->buttonConvert->Handle(), BM_CLICK, 0, 0);
    }
  });

  PressConvert();
  test_support::PumpUntil([] { return false; }, 200);
  EXPECT_EQ(Names{"one.avi"}, StartedInputs());
  EXPECT_TRUE(boxes.Texts().empty());
  EXPECT_EQ("Ready", form->labelCurrentInfo->Caption());

  DeleteFileW(win::Utf8ToWide(OutputPath("one.3gp")).c_str());
  PressConvert();
  EXPECT_EQ((Names{"one.avi", "one.avi", "two.avi"}), StartedInputs());
  EXPECT_EQ(Names{PlainFinishText()}, boxes.Texts());
}

// Yes opens the output folder, always named with its closing backslash;
// No opens nothing.
TEST_F(RunDriverTest, FinishQuestionOpensTheOutputFolderOnYes) {
  struct Case {
    const char* name;
    int answer;
    std::string folderText;
    Names opened;
  };
  const std::string out = folders.Path() + "out";
  const Case cases[] = {
      {"Yes", IDYES, out, {out + "\\"}},
      {"Yes, folder with its backslash", IDYES, out + "\\", {out + "\\"}},
      {"No", IDNO, out, {}},
  };
  AddEntry("clip.avi", "ok");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Names opened;
    form->ShellOpen = [&](HWND owner, const std::string& folder) {
      EXPECT_EQ(form->Handle(), owner);
      opened.push_back(folder);
    };
    form->editOutputFolder->SetText(c.folderText);
    DeleteFileW(win::Utf8ToWide(OutputPath("clip.3gp")).c_str());
    boxes.SetAnswer(c.answer);
    PressConvert();
    EXPECT_EQ(c.opened, opened);
  }
  EXPECT_EQ(Names(3, PlainFinishText()), boxes.Texts());
}

// Names of any characters, outside the system's ANSI code page or any
// one code page, reach the encoder whole, and so does its message back
// in the finish message.
TEST_F(RunDriverTest, FileNamesOfAnyCharactersConvert) {
  Names started;
  std::string failedLines;
  for (const char* name : test_support::kUnicodeNames) {
    AddEntry(name + std::string(" ok.avi"), "ok");
    const std::string failing = AddEntry(name + std::string(" fail.avi"), "fail");
    started.insert(started.end(), {name + std::string(" ok.avi"), name + std::string(" fail.avi")});
    failedLines += name + std::string(" fail.avi: Cannot read the input: ") + failing + "\r\n";
  }
  PressConvert();
  EXPECT_EQ(started, StartedInputs());
  for (const char* name : test_support::kUnicodeNames) {
    EXPECT_EQ("converted " + InputPath(name + std::string(" ok.avi")),
              ReadTextFile(OutputPath(name + std::string(" ok.3gp"))));
  }
  EXPECT_EQ((Names{RetryOfferText(failedLines), PlainFinishText()}), boxes.Texts());
}

// An encoder that neither ends on "quit" nor within the wait is ended by
// force, together with the process that holds its unfinished output (as
// FFmpeg does). Stopped or closed, the run leaves no such file behind,
// and the earlier output of the name stays as it was.
TEST_F(RunDriverTest, ForcedEndLeavesNoPartialFileAndTheEarlierOutput) {
  const std::pair<const char*, UINT> cases[] = {{"stop", BM_CLICK}, {"close", WM_SYSCOMMAND}};
  for (const auto& [name, message] : cases) {
    SCOPED_TRACE(name);
    CreateWindows(FakeEncoderFolder());
    AddEntry("clip.avi", "stuck");
    WriteTextFile(OutputPath("clip.3gp"), "earlier");
    PromptAnswers answers(*prompt, {Answer::Overwrite});
    const UINT ender = message;
    WhileEncoderWaits ending(*form, [&] {
      if (ender == BM_CLICK) {
        SendMessageW(form->buttonConvert->Handle(), BM_CLICK, 0, 0);
      } else {
        SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      }
    });
    PressConvert();
    EXPECT_EQ(Names{"clip.avi"}, StartedInputs());
    EXPECT_EQ(Names{"clip.3gp"}, FilesIn(OutputPath("")));
    EXPECT_EQ("earlier", ReadTextFile(OutputPath("clip.3gp")));
    DeleteFileW(win::Utf8ToWide(folders.Path() + "encoder.log").c_str());
  }
}

// However the window goes, the runner's last status report, fired as it
// stops the encoder it still holds, meets the whole window.
TEST_F(RunDriverTest, WindowDestroyedDuringARunIsWholeForTheRunnersLastReport) {
  const std::string input = AddEntry("clip.avi", "wait");
  std::vector<bool> wholeWindow;
  const console::TProcessStatusChangeEvent busySwitch = form->ConsoleIO->OnProcessStatusChange();
  form->ConsoleIO->SetOnProcessStatusChange([&](console::TConsoleIO* sender, bool running) {
    wholeWindow.push_back(dynamic_cast<app::TfrmMain*>(sender->Owner()) != nullptr);
    busySwitch(sender, running);
  });
  form->ConsoleIO->Run(conversion::BuildCommandLine({}, input, OutputPath("clip.3gp"),
                                                    {FakeEncoderFolder(), folders.Path()}),
                       "", false);
  form.reset();
  EXPECT_EQ((std::vector<bool>{true, true}), wholeWindow);
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
  // Kept for the next start, the entry converts again then.
  EXPECT_EQ(joblist::EntryState::Interrupted, form->EntryStatusAt(0).state);
  EXPECT_EQ(joblist::EntryState::Waiting, form->EntryStatusAt(1).state);
}

}  // namespace
}  // namespace main_window_test
