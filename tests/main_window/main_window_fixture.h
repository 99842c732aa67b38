#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "conversion/main_form.h"
#include "conversion/overwrite_form.h"
#include "encoder/command_arguments.h"
#include "tests/main_window/message_box_log.h"
#include "tests/ui/window_driver.h"

namespace main_window_test {

// A folder of its own under the temporary folder, removed with its files.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  // Ends in a backslash.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);
bool FileExists(const std::string& path);

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

  static std::string FakeEncoderFolder();

  TemporaryFolder folders;
  std::unique_ptr<conversion::TfrmMain> form;
  std::unique_ptr<conversion::TfrmOverWrite> prompt;
  std::vector<std::string> errors;
  MessageBoxLog boxes{IDNO};
};

// Runs the action whenever the fake encoder waits for its stop line (it has
// shown frame 10 of 20 and still runs), from a timer of the running loop.
class WhileEncoderWaits {
 public:
  WhileEncoderWaits(conversion::TfrmMain& form, std::function<void()> action);

 private:
  ui_test::RepeatingTimer timer_;
};

}  // namespace main_window_test
