// The main window's first showing: the texts of the language file, the
// skin, the output folder kept in config.ini, and the encoder installed
// from its carrier when the system folder lacks it.
#include <windows.h>

#include <utility>

#include "app/batch_add_form.h"
#include "app/common_form.h"
#include "app/directory_form.h"
#include "app/language_loader.h"
#include "app/main_form.h"
#include "app/overwrite_form.h"
#include "settings/ini_file.h"
#include "settings/program_files.h"
#include "win/code_page.h"

namespace app {

namespace {

constexpr char kDefaultOutputFolder[] = "c:\\";

bool FileExists(const std::string& path) {
  return GetFileAttributesW(win::Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

// A failed write of config.ini is reported by the application's handler
// as the field changes; the steps after it still run. So do they after a
// stored skin that cannot be read: a damaged skin file must not leave the
// output folder unrestored and the encoder missing at every start.
void TfrmMain::FormShow(base::TComponent*) {
  LoadLanguage(frmCommon->LanguageFile);
  frmCommon->RestoreSkin();
  RestoreOutputFolder();
  InstallEncoder();
}

void TfrmMain::LoadLanguage(const std::string& fileName) {
  ApplyLanguageFile(fileName, {{this, frmOverWrite_, frmBatchAdd_, frmDirectory_},
                               [this](const std::string& key) { return KeptText(key); }});
  ShowAllEntryStatuses();
}

std::string* TfrmMain::KeptText(const std::string& key) {
  const std::pair<const char*, std::string*> texts[] = {
      {"StringStartCaption", &StringStartCaption},
      {"StringStopCaption", &StringStopCaption},
      {"msgStatusReady", &msgStatusReady},
      {"msgStatusRun", &msgStatusRun},
      {"msgClearAll", &msgClearAll},
      {"msgFolderView", &msgFolderView},
      {"msgFinishInfo", &msgFinishInfo},
      {"msgFailedFiles", &msgFailedFiles},
      {"msgRetryFailed", &msgRetryFailed},
      {"msgTimeLeft", &msgTimeLeft},
      {"msgEntryWaiting", &msgEntryWaiting},
      {"msgEntryConverting", &msgEntryConverting},
      {"msgEntryDone", &msgEntryDone},
      {"msgEntryFailed", &msgEntryFailed},
      {"msgEntryStopped", &msgEntryStopped},
      {"msgEntrySkipped", &msgEntrySkipped},
      {"msgEntryInterrupted", &msgEntryInterrupted},
  };
  for (const auto& [name, text] : texts) {
    if (key == name) {
      return text;
    }
  }
  return nullptr;
}

std::string TfrmMain::LoadOutputFolder() const {
  return settings::IniFile(frmCommon->ConfigFile)
      .ReadString("setting", "outputFolder", kDefaultOutputFolder);
}

void TfrmMain::SaveOutputFolder() const {
  settings::IniFile(frmCommon->ConfigFile)
      .WriteString("setting", "outputFolder", editOutputFolder->Text());
}

void TfrmMain::editOutputFolderChange(base::TComponent*) {
  SaveOutputFolder();
}

// Setting the text the field already shows is no change, and writes nothing.
void TfrmMain::RestoreOutputFolder() {
  editOutputFolder->SetText(LoadOutputFolder());
}

// An encoder that is there already is used as it is. A failed copy leaves
// it missing, and the conversion reports that when it starts the encoder.
// What an interrupted copy left in the system folder goes first.
void TfrmMain::InstallEncoder() {
  const std::string encoderPath = runDriver_.Folders().systemFolder + settings::kEncoderFileName;
  TfrmCommon::RemoveInterruptedCopies(encoderPath);
  if (!FileExists(encoderPath)) {
    TfrmCommon::ExtractAppendedFile(frmCommon->AppPath + settings::kCarrierFileName, encoderPath);
  }
}

}  // namespace app
