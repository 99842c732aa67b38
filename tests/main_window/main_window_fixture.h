#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/common_form.h"
#include "app/main_form.h"
#include "app/overwrite_form.h"
#include "encoder/command_arguments.h"
#include "tests/support/message_box_log.h"
#include "tests/support/test_folder.h"
#include "tests/support/folder_files.h"
#include "tests/support/window_driver.h"

namespace main_window_test {

// Paths are UTF-8, as everywhere in the program.
void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);
bool FileExists(const std::string& path);
using test_support::FilesIn;

// The user edits an entry in place, as the list allows: its own edit box,
// the typed text, Enter.
void EditInPlace(ui::TListView& list, int index, const std::string& text);
// The mouse comes to rest on an item of the list, for its tip.
void RestMouseOn(ui::TListView& list, int index);

// The main window and the overwrite prompt as the program makes them, with
// the fake encoder as the installed one, the kept texts filled in, input
// and output folders of their own, and every exception that reaches the
// application's handler collected instead of shown.
class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Makes (or remakes) both windows with the encoder looked for in the
  // given folder.
  void CreateWindows(const std::string& systemFolder);

  // Writes an input whose first line tells the fake encoder what to do and
  // adds it to the job list; returns its path.
  std::string AddEntry(const std::string& name, const std::string& behaviour);
  std::vector<std::string> Entries();
  // Clicks the Convert button; returns when the command has done its work.
  void PressConvert();
  // Every start of the encoder so far, in order.
  std::vector<encoder::EncoderRequest> EncoderStarts();
  // The file names (no folder) of the inputs or outputs of those starts.
  std::vector<std::string> StartedInputs();
  std::vector<std::string> StartedOutputs();
  std::string OutputPath(const std::string& name) const { return folders.Path() + "out\\" + name; }
  std::string InputPath(const std::string& name) const { return folders.Path() + "in\\" + name; }

  // The finish message for a run without failures.
  std::string PlainFinishText() const;
  // The message that names the failed files, one "name: reason" line each,
  // and offers to convert them again.
  std::string RetryOfferText(const std::string& failedLines) const;

  static std::string FakeEncoderFolder();

  test_support::TestFolder folders;
  // The application folder is the test folder: no language file, no
  // config.ini at first.
  std::unique_ptr<app::TfrmCommon> common;
  std::unique_ptr<app::TfrmMain> form;
  std::unique_ptr<app::TfrmOverWrite> prompt;
  std::vector<std::string> errors;
  test_support::MessageBoxLog boxes{IDNO};
};

enum class Answer {
  Overwrite,
  Ignore,
  AutoName,
  OverwriteAll,
  IgnoreAll,
  AutoNameAll,
  CloseBox,
  Enter,
};

// Answers each showing of the overwrite prompt with the next answer of a
// script, through the prompt's buttons, check box, close box and keys.
// Showings are counted as the prompt is activated, since one can follow
// the other without a message loop turning in between.
class PromptAnswers {
 public:
  PromptAnswers(app::TfrmOverWrite& prompt, std::vector<Answer> script);

  std::size_t Unused() const { return script_.size() - next_; }
  int Unexpected() const { return unexpected_; }

 private:
  void AnswerShowing();
  void Give(Answer answer);
  void Press(ui::TButton* button, bool forAll);

  app::TfrmOverWrite& prompt_;
  std::vector<Answer> script_;
  std::size_t next_ = 0;
  int showings_ = 0;
  int answered_ = 0;
  int unexpected_ = 0;
  test_support::CbtHook hook_;
  test_support::RepeatingTimer timer_;
};

// Runs the action whenever the fake encoder waits for its stop line (it has
// shown frame 10 of 20 and still runs), from a timer of the running loop.
class WhileEncoderWaits {
 public:
  WhileEncoderWaits(app::TfrmMain& form, std::function<void()> action);

 private:
  test_support::RepeatingTimer timer_;
};

}  // namespace main_window_test
