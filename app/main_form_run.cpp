// The main window's side of the conversion run: the Convert and Stop
// command, the host the run driver works through, the closing question
// that offers to open the output folder, and closing during a run.
#include <windows.h>

#include <shellapi.h>

#include "app/main_form.h"
#include "app/overwrite_form.h"
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
    runDriver_.ConvertAll();
  }
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

// Names every file the encoder did not convert, then offers to open the
// output folder.
void TfrmMain::RunFinished(const std::string& folder, const std::vector<FailedEntry>& failed) {
  std::string text;
  if (!failed.empty()) {
    text = (msgFailedFiles.empty() ? kFailedFilesFallback : msgFailedFiles) + "\r\n";
    for (const FailedEntry& entry : failed) {
      text += entry.name + ": " + entry.reason + "\r\n";
    }
    text += "\r\n";
  }
  text += msgFolderView + "\r\n\r\n" + msgFinishInfo;
  if (ui::ShowMessageBox(this, text, MB_YESNO) == IDYES) {
    OpenFolder(folder);
  }
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
