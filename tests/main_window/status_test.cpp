// The Status column of the job list through runs, edits and restored
// lists, the failed entries converted again, and a failed entry's tip.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "base/path_text.h"

#include "tests/main_window/main_window_fixture.h"
#include "tests/support/unicode_names.h"
#include "win/code_page.h"

namespace main_window_test {
namespace {

using Names = std::vector<std::string>;
using joblist::EntryState;

class StatusTest : public MainWindowTest {
 protected:
  std::string Cell(int index) { return form->listViewFiles->Item(index).SubItemText(1); }
  Names Cells() {
    Names cells;
    for (int index = 0; index < form->listViewFiles->ItemCount(); ++index) {
      cells.push_back(Cell(index));
    }
    return cells;
  }
  std::string DoneText(const std::string& input) {
    return "Done, " + std::to_string(("converted " + input).size()) + " B";
  }
  std::string FailedText(const std::string& input) {
    return "Failed: Cannot read the input: " + input;
  }
};

// One entry for each way an entry's conversion ends, in one run that the
// user stops at its fourth entry; the listener hears each change as the
// column shows it.
TEST_F(StatusTest, ColumnFollowsEachEntryThroughARun) {
  struct Case {
    const char* name;
    const char* behaviour;
    bool outputExists;  // and the prompt's answer is Skip
    EntryState state;
  };
  const Case cases[] = {
      {"done.avi", "ok", false, EntryState::Done},
      {"failed.avi", "fail", false, EntryState::Failed},
      {"skipped.avi", "ok", true, EntryState::Skipped},
      {"stopped.avi", "wait", false, EntryState::Stopped},
      {"never.avi", "ok", false, EntryState::Waiting},
  };
  for (const Case& c : cases) {
    AddEntry(c.name, c.behaviour);
    if (c.outputExists) {
      WriteTextFile(OutputPath(base::ChangeFileExt(c.name, ".3gp")), "old");
    }
  }
  EXPECT_EQ(Names(5, "Waiting"), Cells());
  std::vector<EntryState> heardOfFirst;
  form->OnJobListChanged = [&] {
    const EntryState state = form->EntryStatusAt(0).state;
    if (heardOfFirst.empty() || heardOfFirst.back() != state) {
      heardOfFirst.push_back(state);
    }
  };
  PromptAnswers answers(*prompt, {Answer::Ignore});
  std::string whileConverting;
  WhileEncoderWaits stopper(*form, [&] {
    whileConverting = Cell(3);
    SendMessageW(form->buttonConvert->Handle(), BM_CLICK, 0, 0);
  });

  PressConvert();
  EXPECT_TRUE(std::regex_match(whileConverting, std::regex("Converting [0-9]+%")))
      << whileConverting;
  EXPECT_EQ((Names{DoneText(InputPath("done.avi")), FailedText(InputPath("failed.avi")), "Skipped",
                   "Stopped", "Waiting"}),
            Cells());
  for (int index = 0; index < 5; ++index) {
    EXPECT_EQ(cases[index].state, form->EntryStatusAt(index).state) << cases[index].name;
  }
  EXPECT_EQ(("converted " + InputPath("done.avi")).size(), form->EntryStatusAt(0).outputBytes);
  EXPECT_EQ("Cannot read the input: " + InputPath("failed.avi"), form->EntryStatusAt(1).reason);
  EXPECT_EQ((std::vector<EntryState>{EntryState::Converting, EntryState::Done}), heardOfFirst);
}

// An entry edited in place is waiting again, under its new path, which the
// listener hears; a new run sets every entry back to waiting as it starts.
TEST_F(StatusTest, EditAndNewRunSetEntriesBackToWaiting) {
  const std::string first = AddEntry("first.avi", "ok");
  AddEntry("second.avi", "fail");
  AddEntry("third.avi", "fail");
  PressConvert();
  ASSERT_EQ(EntryState::Failed, form->EntryStatusAt(2).state);

  std::vector<joblist::JobEntry> heard;
  form->OnJobListChanged = [&] { heard = form->JobEntries(); };
  const std::string renamed = InputPath("renamed.avi");
  WriteTextFile(renamed, "ok\n");
  EditInPlace(*form->listViewFiles, 2, renamed);
  ASSERT_EQ(3u, heard.size());
  EXPECT_EQ(renamed, heard[2].path);
  EXPECT_EQ(EntryState::Waiting, heard[2].status.state);
  EXPECT_EQ("Waiting", Cell(2));
  EXPECT_EQ(FailedText(InputPath("second.avi")), Cell(1));

  WriteTextFile(first, "wait\n");
  PromptAnswers answers(*prompt, {Answer::Overwrite});
  Names duringSecondRun;
  WhileEncoderWaits stopper(*form, [&] {
    duringSecondRun = Cells();
    SendMessageW(form->buttonConvert->Handle(), BM_CLICK, 0, 0);
  });
  PressConvert();
  ASSERT_EQ(3u, duringSecondRun.size());
  EXPECT_EQ((Names{"Waiting", "Waiting"}),
            Names(duringSecondRun.begin() + 1, duringSecondRun.end()));
  EXPECT_EQ((Names{"Stopped", "Waiting", "Waiting"}), Cells());
}

// However the command is given, only the failed entries are converted
// again, in list order, and the others keep their status throughout. The
// inputs are mended as they fail, so the second attempt succeeds.
TEST_F(StatusTest, ConvertFailedAgainTakesOnlyTheFailedEntries) {
  const std::pair<const char*, bool> ways[] = {{"File menu", true}, {"finish message", false}};
  for (const auto& [way, byMenu] : ways) {
    SCOPED_TRACE(way);
    CreateWindows(FakeEncoderFolder());
    DeleteFileW(win::Utf8ToWide(folders.Path() + "encoder.log").c_str());
    for (const std::string& name : FilesIn(OutputPath(""))) {
      DeleteFileW(win::Utf8ToWide(OutputPath(name)).c_str());
    }
    const Names inputs = {AddEntry("good one.avi", "ok"), AddEntry("bad one.avi", "fail"),
                          AddEntry("good two.avi", "ok"), AddEntry("bad two.avi", "fail-eol")};
    EXPECT_FALSE(form->ActionConvertFailed->Enabled());
    const std::size_t boxesBefore = boxes.Texts().size();
    bool othersTouched = false;
    form->OnJobListChanged = [&] {
      for (int index = 0; index < 4; ++index) {
        if (form->EntryStatusAt(index).state == EntryState::Failed) {
          WriteTextFile(inputs[index], "ok\n");
        }
      }
      // From the end of the first run on.
      othersTouched |=
          boxes.Texts().size() > boxesBefore && (form->EntryStatusAt(0).state != EntryState::Done ||
                                                 form->EntryStatusAt(2).state != EntryState::Done);
    };
    Names opened;
    form->ShellOpen = [&](HWND, const std::string& folder) { opened.push_back(folder); };
    boxes.SetAnswer(byMenu ? IDNO : IDYES);
    PressConvert();
    if (byMenu) {
      EXPECT_TRUE(form->ActionConvertFailed->Enabled());
      form->ActionConvertFailed->Execute();
    }
    EXPECT_EQ((Names{"good one.avi", "bad one.avi", "good two.avi", "bad two.avi", "bad one.avi",
                     "bad two.avi"}),
              StartedInputs());
    EXPECT_FALSE(othersTouched);
    for (int index = 0; index < 4; ++index) {
      EXPECT_EQ(DoneText(inputs[index]), Cell(index));
    }
    EXPECT_FALSE(form->ActionConvertFailed->Enabled());
    // The offer, then the folder question of the second run, answered alike.
    EXPECT_EQ(byMenu ? 3u : 2u, boxes.Texts().size() - boxesBefore);
    EXPECT_EQ(byMenu ? Names{} : Names{OutputPath("")}, opened);
  }
}

// The File menu holds the command right after Convert, and its entry is
// enabled as the command is.
TEST_F(StatusTest, FileMenuOffersTheCommandAfterConvert) {
  int convert = -1;
  for (int index = 0; index < form->N_1->Count(); ++index) {
    if (form->N_1->Item(index)->Action() == form->ActionConvertNow) {
      convert = index;
    }
  }
  ASSERT_GE(convert, 0);
  ASSERT_LT(convert + 1, form->N_1->Count());
  ui::TMenuItem* retry = form->N_1->Item(convert + 1);
  EXPECT_EQ(form->ActionConvertFailed, retry->Action());
  EXPECT_EQ("Convert &Failed Files Again", retry->Caption());
  EXPECT_FALSE(retry->Enabled());
  AddEntry("bad.avi", "fail");
  PressConvert();
  EXPECT_TRUE(retry->Enabled());
}

// A restored list shows each entry's kept status; an interrupted entry is
// converted again by the next run, like a waiting one.
TEST_F(StatusTest, RestoredEntriesShowTheirStatusAndInterruptedOnesConvertAgain) {
  const std::string done = InputPath("done.avi");
  const std::string interrupted = InputPath("interrupted.avi");
  WriteTextFile(interrupted, "ok\n");
  const std::string failed = InputPath(std::string(test_support::kUnicodeNames[0]) + ".avi");
  WriteTextFile(failed, "ok\n");
  form->RestoreJobEntries({{done, {EntryState::Done, 0, 1536}},
                           {interrupted, {EntryState::Interrupted}},
                           {failed, {EntryState::Failed, 0, 0, "bad\r\ninput"}}});
  EXPECT_EQ((Names{"Done, 1.5 KB", "Interrupted", "Failed: bad  input"}), Cells());
  EXPECT_TRUE(form->ActionConvertFailed->Enabled());

  form->ActionConvertFailed->Execute();
  EXPECT_EQ(Names{base::ExtractFileName(failed)}, StartedInputs());
  EXPECT_EQ((Names{"Done, 1.5 KB", "Interrupted", DoneText(failed)}), Cells());
  WriteTextFile(done, "ok\n");
  DeleteFileW(
      win::Utf8ToWide(base::ChangeFileExt(OutputPath(base::ExtractFileName(failed)), ".3gp"))
          .c_str());
  PressConvert();
  EXPECT_EQ((Names{base::ExtractFileName(failed), "done.avi", "interrupted.avi",
                   base::ExtractFileName(failed)}),
            StartedInputs());
  EXPECT_EQ((Names{DoneText(done), DoneText(interrupted), DoneText(failed)}), Cells());
}

// The cell shows what fits; the row's tip has the encoder's whole reason,
// of any characters. A converted entry has no tip.
TEST_F(StatusTest, TipOfAFailedEntryHoldsTheWholeReason) {
  AddEntry("good.avi", "ok");
  const std::string failing = AddEntry(
      std::string(test_support::kUnicodeNames[2]) + std::string(120, 'x') + ".avi", "fail");
  PressConvert();
  HWND tip = form->listViewFiles->TipWindow();
  ASSERT_NE(nullptr, tip);
  SendMessageW(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 10);
  SendMessageW(tip, TTM_SETDELAYTIME, TTDT_RESHOW, 10);

  RestMouseOn(*form->listViewFiles, 1);
  ASSERT_TRUE(test_support::PumpUntil([&] { return IsWindowVisible(tip); }));
  EXPECT_EQ(win::Utf8ToWide(FailedText(failing)), test_support::WindowText(tip));
  RestMouseOn(*form->listViewFiles, 0);
  test_support::PumpUntil([] { return false; }, 300);
  EXPECT_FALSE(IsWindowVisible(tip));
}

}  // namespace
}  // namespace main_window_test
