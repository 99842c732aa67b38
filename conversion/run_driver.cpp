// The conversion run: every job-list entry in turn through the encoder,
// with the overwrite policy for existing outputs, a stop on request and the
// closing question that offers to open the output folder.
#include <windows.h>

#include <shellapi.h>

#include "common/path_text.h"
#include "conversion/main_form.h"
#include "conversion/overwrite_form.h"
#include "ui/handle.h"
#include "ui/text.h"

namespace conversion {

namespace {

bool OutputFileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ui::Utf8ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Whether two paths name one existing file, however each is spelt
// (relative steps, letter case, short names).
bool SameExistingFile(const std::string& a, const std::string& b) {
  auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    const ui::UniqueHandle file(CreateFileW(ui::Utf8ToWide(path).c_str(), 0,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
    return file && GetFileInformationByHandle(file.Get(), &info);
  };
  BY_HANDLE_FILE_INFORMATION first, second;
  return identify(a, first) && identify(b, second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

const char kFailedFilesFallback[] = "These files could not be converted:";

// Clears a flag however the scope is left.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void TfrmMain::ActionConvertNowExecute(ui::TComponent*) {
  if (ConsoleIO && ConsoleIO->IsRunning())
    StopConversion();
  else if (!converting_)  // a Convert between two entries must not nest a run
    ConvertAll();
}

void TfrmMain::ActionExitExecute(ui::TComponent*) {
  Close();
}

void TfrmMain::ConvertAll() {
  FlagScope converting(converting_);
  std::string folder = editOutputFolder->Text();
  const int count = listViewFiles->ItemCount();
  failedEntries_.clear();
  for (int index = 0; index < count; ++index) {
    if (closing_)
      return;
    if (!continueRun_) {
      continueRun_ = true;
      return;
    }
    // Between two entries the window is idle for a moment, and the list may
    // have lost entries meanwhile: those are not converted.
    if (index >= listViewFiles->ItemCount())
      break;
    folder = common::IncludeTrailingBackslash(folder);
    ConvertEntry(index, folder);
  }
  if (closing_)
    return;
  ResetProgress();
  continueRun_ = true;
  ShowFinishMessage(folder);
}

void TfrmMain::ConvertEntry(int index, const std::string& folder) {
  ui::TListItem entry = listViewFiles->Item(index);
  entry.SetSelected(true);
  const std::string input = entry.Caption();
  const std::string output = ResolveOutputPath(MakeOutputPath(folder, input), input);
  if (output.empty())
    return;
  const std::string commandLine =
      BuildCommandLine(Settings(), ui::Utf8ToAnsi(input), ui::Utf8ToAnsi(output), folders_);
  lastEncoderMessage_.clear();
  encoderErrorText_.clear();
  ConsoleIO->Run(commandLine, "", false);
  WaitForEncoder();
  if (ConsoleIO && continueRun_)
    NoteEncoderResult(input, output);
}

// Keeps every handler running nested while the encoder works, without
// using the processor: the runner's threads wake the wait with their
// messages. Closing the window releases the runner and ends the wait.
void TfrmMain::WaitForEncoder() {
  while (ConsoleIO && ConsoleIO->IsRunning() && !ui::Application().Terminated()) {
    ui::Application().WaitForMessageOrHandle(nullptr);
    ui::Application().ProcessMessages();
  }
}

void TfrmMain::NoteEncoderResult(const std::string& input, const std::string& output) {
  NoteEncoderLine(encoderErrorText_);  // a last line without its line end
  encoderErrorText_.clear();
  const unsigned long exitCode = ConsoleIO->ExitCode();
  if (exitCode == 0 && OutputFileExists(output))
    return;
  std::string reason = ui::AnsiToUtf8(lastEncoderMessage_);
  if (reason.empty())
    reason = exitCode == 0 ? "no output file was written"
                           : "the encoder ended with code " + std::to_string(exitCode);
  failedEntries_.push_back({common::ExtractFileName(input), reason});
}

void TfrmMain::ShowFinishMessage(const std::string& folder) {
  std::string text;
  if (!failedEntries_.empty()) {
    text = (msgFailedFiles.empty() ? kFailedFilesFallback : msgFailedFiles) + "\r\n";
    for (const FailedEntry& failed : failedEntries_)
      text += failed.name + ": " + failed.reason + "\r\n";
    text += "\r\n";
  }
  text += msgFolderView + "\r\n\r\n" + msgFinishInfo;
  if (ui::ShowMessageBox(this, text, MB_YESNO) == IDYES)
    OpenFolder(folder);
}

void TfrmMain::StopConversion() {
  continueRun_ = false;
  ConsoleIO->StopProcess();
  ResetProgress();
}

void TfrmMain::ResetProgress() {
  labelCurrentInfo->SetCaption(msgStatusReady);
  progressBarCurrent->SetPosition(0);
}

// The encoder must never write over the file it reads: an output path that
// names the input under another spelling counts as the input's own path.
std::string TfrmMain::ResolveOutputPath(const std::string& path, const std::string& inputPath) {
  const std::string& input = SameExistingFile(path, inputPath) ? path : inputPath;
  return conversion::ResolveOutputPath(path, input, overwritePolicy_, OutputFileExists, [this] {
    return frmOverWrite_ ? frmOverWrite_->Ask() : OverwriteChoice::IgnoreThis;
  });
}

void TfrmMain::OpenFolder(const std::string& folder) {
  ShellExecuteW(Handle(), L"open", ui::Utf8ToWide(folder).c_str(), L"", L"", SW_SHOW);
}

ConversionSettings TfrmMain::Settings() const {
  ConversionSettings settings;
  settings.videoBitrate = comboBoxVideoBitrate->ItemIndex();
  settings.frameRate = comboBoxFrameRate->ItemIndex();
  settings.videoSize = comboBoxVideoSize->ItemIndex();
  settings.audioBitrate = comboBoxAudioBitrate->ItemIndex();
  settings.sampleRate = comboBoxSampleRate->ItemIndex();
  settings.channels = comboBoxChannel->ItemIndex();
  return settings;
}

// Closing during a run ends it as a stop does, without the closing
// question; the runner is released, which also ends the wait for it. The
// script file for AviSynth inputs goes with the window.
void TfrmMain::FormClose(ui::TComponent*, ui::TCloseAction&) {
  closing_ = true;
  continueRun_ = false;
  if (ConsoleIO && ConsoleIO->IsRunning()) {
    ConsoleIO->StopProcess();
    delete ConsoleIO;
    ConsoleIO = nullptr;
  }
  DeleteFileA(ScriptPath(folders_).c_str());
}

}  // namespace conversion
