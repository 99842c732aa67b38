// The main window's side of the conversion run: the Convert and Stop
// command, the host the run driver works through, the closing question
// that offers to open the output folder, and closing during a run.
#include <windows.h>

#include <shellapi.h>

#include <optional>

#include "app/main_form.h"
#include "app/overwrite_form.h"
#include "conversion/encoder_output.h"
#include "conversion/time_left.h"
#include "ui/application.h"
#include "win/code_page.h"

namespace app {

namespace {

const char kFailedFilesFallback[] = "These files could not be converted:";

}  // namespace

// Between two entries of a run no encoder runs, but the run goes on: the
// command stops it there too, and so never nests a second run in it.
void TfrmMain::ActionConvertNowExecute(base::TComponent*) {
  if ((ConsoleIO && ConsoleIO->IsRunning()) || runDriver_.Converting()) {
    StopConversion();
  } else {
    ConvertAll();
  }
}

// The retry command waits for the end of a run, as its state shows.
void TfrmMain::ConvertAll() {
  runDriver_.ConvertAll();
  UpdateConvertFailedCommand();
}

void TfrmMain::ConvertFailed() {
  runDriver_.ConvertFailed();
  UpdateConvertFailedCommand();
}

void TfrmMain::ActionExitExecute(base::TComponent*) {
  Close();
}

void TfrmMain::StopConversion() {
  runDriver_.RequestStop();
  if (ConsoleIO) {
    ConsoleIO->StopProcess();
  }
  ResetProgress();
}

void TfrmMain::ResetProgress() {
  labelCurrentInfo->SetCaption(msgStatusReady);
  progressBarCurrent->SetPosition(0);
  labelTimeLeft->SetCaption("");
}

// Empty until the encoder has shown progress for a few seconds.
void TfrmMain::ShowTimeLeft() {
  const std::optional<conversion::TimeLeft> left = runDriver_.TimeLeft();
  labelTimeLeft->SetCaption(left ? conversion::FormatWithStrings(
                                       msgTimeLeft, {conversion::FormatDuration(left->fileSeconds),
                                                     conversion::FormatDuration(left->runSeconds)})
                                 : "");
}

// A user who turned to other work while a long run went on learns of its
// end from the taskbar button, which flashes until the program is in front.
void TfrmMain::FlashIfBehind(double runSeconds) {
  HWND button = ui::Application().TaskbarHandle();
  if (runSeconds < kFlashAfterSeconds || !button || GetForegroundWindow() == Handle()) {
    return;
  }
  FLASHWINFO flash{};
  flash.cbSize = sizeof flash;
  flash.hwnd = button;
  flash.dwFlags = FLASHW_ALL | FLASHW_TIMERNOFG;
  FlashWindowEx(&flash);
}

void TfrmMain::OpenFolder(const std::string& folder) {
  if (ShellOpen) {
    ShellOpen(Handle(), folder);
  } else {
    ShellExecuteW(Handle(), L"open", win::Utf8ToWide(folder).c_str(), L"", L"", SW_SHOW);
  }
}

int TfrmMain::EntryCount() const {
  return listViewFiles->ItemCount();
}

std::string TfrmMain::EntryPath(int index) const {
  return listViewFiles->Item(index).Caption();
}

std::string TfrmMain::SelectEntry(int index) {
  ui::TListItem entry = listViewFiles->Item(index);
  entry.SetSelected(true);
  return entry.Caption();
}

std::string TfrmMain::OutputFolder() const {
  return editOutputFolder->Text();
}

conversion::ConversionSettings TfrmMain::Settings() const {
  conversion::ConversionSettings settings;
  settings.videoBitrate = comboBoxVideoBitrate->ItemIndex();
  settings.frameRate = comboBoxFrameRate->ItemIndex();
  settings.videoSize = comboBoxVideoSize->ItemIndex();
  settings.audioBitrate = comboBoxAudioBitrate->ItemIndex();
  settings.sampleRate = comboBoxSampleRate->ItemIndex();
  settings.channels = comboBoxChannel->ItemIndex();
  return settings;
}

conversion::OverwriteChoice TfrmMain::AskOverwrite() {
  return frmOverWrite_ ? frmOverWrite_->Ask() : conversion::OverwriteChoice::IgnoreThis;
}

// Names every file the encoder did not convert and offers to convert them
// again; without failures, or when that offer is declined, offers to open
// the output folder.
bool TfrmMain::RunFinished(const std::string& folder, const std::vector<FailedEntry>& failed,
                           double seconds) {
  FlashIfBehind(seconds);
  if (!failed.empty()) {
    std::string text = (msgFailedFiles.empty() ? kFailedFilesFallback : msgFailedFiles) + "\r\n";
    for (const FailedEntry& entry : failed) {
      text += entry.name + ": " + entry.reason + "\r\n";
    }
    text += "\r\n" + msgRetryFailed;
    if (ui::ShowMessageBox(this, text, MB_YESNO) == IDYES) {
      return true;
    }
  }
  if (ui::ShowMessageBox(this, msgFolderView + "\r\n\r\n" + msgFinishInfo, MB_YESNO) == IDYES) {
    OpenFolder(folder);
  }
  return false;
}

// Closing during a run ends it as a stop does, without the closing
// question; the runner is released, which also ends the wait for it. The
// script file for AviSynth inputs goes with the window.
void TfrmMain::FormClose(base::TComponent*, ui::TCloseAction&) {
  runDriver_.Close();
  if (ConsoleIO && ConsoleIO->IsRunning()) {
    ConsoleIO->StopProcess();
    delete ConsoleIO;
    ConsoleIO = nullptr;
  }
  DeleteFileW(win::Utf8ToWide(conversion::ScriptPath(runDriver_.Folders())).c_str());
}

}  // namespace app
