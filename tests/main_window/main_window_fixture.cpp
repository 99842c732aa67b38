#include "tests/main_window/main_window_fixture.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/path_text.h"
#include "ui/application.h"
#include "win/code_page.h"

namespace main_window_test {

namespace {

std::string EncoderLogPath(const test_support::TestFolder& folders) {
  return folders.Path() + "encoder.log";
}

}  // namespace

void WriteTextFile(const std::string& path, const std::string& text) {
  std::ofstream(std::filesystem::u8path(path), std::ios::binary) << text;
}

std::string ReadTextFile(const std::string& path) {
  std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

bool FileExists(const std::string& path) {
  return GetFileAttributesW(win::Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void EditInPlace(ui::TListView& list, int index, const std::string& text) {
  SetFocus(list.Handle());
  HWND edit = reinterpret_cast<HWND>(SendMessageW(list.Handle(), LVM_EDITLABELW, index, 0));
  ASSERT_TRUE(edit);
  SetWindowTextW(edit, win::Utf8ToWide(text).c_str());
  SendMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
}

// The cursor goes there, and the list view hears the moves as the system
// would send them.
void RestMouseOn(ui::TListView& list, int index) {
  RECT row{LVIR_BOUNDS};
  SendMessageW(list.Handle(), LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&row));
  const POINT at{40, (row.top + row.bottom) / 2};
  POINT screen = at;
  ClientToScreen(list.Handle(), &screen);
  SetCursorPos(screen.x, screen.y);
  for (int move = 0; move < 2; ++move) {
    PostMessageW(list.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x + move, at.y));
  }
}

void MainWindowTest::SetUp() {
  ui::Application().Initialize();
  ui::Application().SetOnException([this](const std::string& text) { errors.push_back(text); });
  CreateDirectoryW(win::Utf8ToWide(folders.Path() + "in").c_str(), nullptr);
  CreateDirectoryW(win::Utf8ToWide(folders.Path() + "out").c_str(), nullptr);
  SetEnvironmentVariableW(L"VEXMOOR_FAKE_ENCODER_LOG",
                          win::Utf8ToWide(EncoderLogPath(folders)).c_str());
  CreateWindows(FakeEncoderFolder());
}

void MainWindowTest::TearDown() {
  EXPECT_TRUE(errors.empty()) << errors.front();
  form.reset();
  prompt.reset();
  common.reset();
  ui::Application().SetOnException(nullptr);
}

void MainWindowTest::CreateWindows(const std::string& systemFolder) {
  form.reset();
  prompt.reset();
  common = std::make_unique<app::TfrmCommon>(folders.Path() + "vexmoor.exe");
  common->DoCreate();
  form =
      std::make_unique<app::TfrmMain>(conversion::CommandLineFolders{systemFolder, folders.Path()});
  form->DoCreate();
  prompt = std::make_unique<app::TfrmOverWrite>();
  prompt->DoCreate();
  form->SetOverwriteForm(prompt.get());

  // Shown first: the first showing restores the output folder of config.ini,
  // and the program's English texts, there being no language file.
  form->Show();
  form->editOutputFolder->SetText(folders.Path() + "out");
  form->StringStartCaption = "Convert";
  form->StringStopCaption = "Stop";
  form->msgStatusReady = "Ready";
  form->msgStatusRun = "Converting %s";
  form->msgClearAll = "Clear the list?";
  form->msgFolderView = "All done.";
  form->msgFinishInfo = "Open the output folder?";
  form->msgRetryFailed = "Convert them again?";
}

std::string MainWindowTest::AddEntry(const std::string& name, const std::string& behaviour) {
  const std::string path = InputPath(name);
  WriteTextFile(path, behaviour + "\n");
  form->AddFile(path);
  return path;
}

std::vector<std::string> MainWindowTest::Entries() {
  std::vector<std::string> entries;
  for (int index = 0; index < form->listViewFiles->ItemCount(); ++index) {
    entries.push_back(form->listViewFiles->Item(index).Caption());
  }
  return entries;
}

void MainWindowTest::PressConvert() {
  SendMessageW(form->buttonConvert->Handle(), BM_CLICK, 0, 0);
}

std::vector<encoder::EncoderRequest> MainWindowTest::EncoderStarts() {
  std::vector<encoder::EncoderRequest> starts;
  std::istringstream log(ReadTextFile(EncoderLogPath(folders)));
  std::string line;
  while (std::getline(log, line)) {
    starts.push_back(encoder::ParseCommandLine(line));
  }
  return starts;
}

std::vector<std::string> MainWindowTest::StartedInputs() {
  std::vector<std::string> names;
  for (const encoder::EncoderRequest& start : EncoderStarts()) {
    names.push_back(base::ExtractFileName(start.inputPath));
  }
  return names;
}

std::vector<std::string> MainWindowTest::StartedOutputs() {
  std::vector<std::string> names;
  for (const encoder::EncoderRequest& start : EncoderStarts()) {
    names.push_back(base::ExtractFileName(start.outputPath));
  }
  return names;
}

std::string MainWindowTest::PlainFinishText() const {
  return form->msgFolderView + "\r\n\r\n" + form->msgFinishInfo;
}

std::string MainWindowTest::RetryOfferText(const std::string& failedLines) const {
  return "These files could not be converted:\r\n" + failedLines + "\r\n" + form->msgRetryFailed;
}

std::string MainWindowTest::FakeEncoderFolder() {
  char path[MAX_PATH];
  const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return base::ExtractFilePath(self) + "fake\\";
}

PromptAnswers::PromptAnswers(app::TfrmOverWrite& prompt, std::vector<Answer> script)
    : prompt_(prompt),
      script_(std::move(script)),
      hook_([this](int code, WPARAM wParam, LPARAM) {
        if (code == HCBT_ACTIVATE && reinterpret_cast<HWND>(wParam) == prompt_.Handle()) {
          ++showings_;
        }
      }),
      timer_([this] {
        if (showings_ > answered_ && IsWindowVisible(prompt_.Handle())) {
          AnswerShowing();
        }
        return false;
      }) {}

void PromptAnswers::AnswerShowing() {
  ++answered_;
  if (next_ == script_.size()) {
    ++unexpected_;
    Give(Answer::CloseBox);
    return;
  }
  Give(script_[next_++]);
}

void PromptAnswers::Give(Answer answer) {
  switch (answer) {
    case Answer::Overwrite:
    case Answer::OverwriteAll:
      return Press(prompt_.buttonOverWrite, answer == Answer::OverwriteAll);
    case Answer::Ignore:
    case Answer::IgnoreAll:
      return Press(prompt_.buttonIgnore, answer == Answer::IgnoreAll);
    case Answer::AutoName:
    case Answer::AutoNameAll:
      return Press(prompt_.buttonAutoName, answer == Answer::AutoNameAll);
    case Answer::CloseBox:
      PostMessageW(prompt_.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    case Answer::Enter:
      HWND focus = GetFocus();
      PostMessageW(focus ? focus : prompt_.Handle(), WM_KEYDOWN, VK_RETURN, 1);
      return;
  }
}

void PromptAnswers::Press(ui::TButton* button, bool forAll) {
  if (prompt_.checkBoxNotice->Checked() != forAll) {
    PostMessageW(prompt_.checkBoxNotice->Handle(), BM_CLICK, 0, 0);
  }
  PostMessageW(button->Handle(), BM_CLICK, 0, 0);
}

WhileEncoderWaits::WhileEncoderWaits(app::TfrmMain& form, std::function<void()> action)
    : timer_([&form, action] {
        static const std::string waiting = "[10/20]";
        const std::string status = form.labelCurrentInfo->Caption();
        if (form.ConsoleIO && form.ConsoleIO->IsRunning() && status.size() >= waiting.size() &&
            status.compare(status.size() - waiting.size(), waiting.size(), waiting) == 0) {
          action();
        }
        return false;
      }) {}

}  // namespace main_window_test
