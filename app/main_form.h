#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "app/run_driver.h"
#include "console/console_io.h"
#include "joblist/job_entry.h"
#include "conversion/command_line.h"
#include "conversion/encoder_output.h"
#include "conversion/output_path.h"
#include "skinning/engine/skin_engine.h"
#include "ui/action.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/std_controls.h"

namespace app {

class TFrmBatchAdd;
class TFrmDirectory;
class TfrmOverWrite;

// The program's working window: the job list and its commands, the
// progress display, the six conversion settings, the output folder and the
// Convert command, which also stops a running conversion. The window is idle
// or busy as the encoder process starts and ends.
class TfrmMain : public ui::TForm, private RunDriver::Host {
 public:
  // The folders the encoder command line names: where the encoder is
  // installed and where the AviSynth script goes.
  explicit TfrmMain(const conversion::CommandLineFolders& folders);
  ~TfrmMain() override;

  // The dialog asked when an output file exists; made after this window.
  void SetOverwriteForm(TfrmOverWrite* form) { frmOverWrite_ = form; }
  // The batch-add form and the output folder chooser; made after this window.
  void SetBatchAddForm(TFrmBatchAdd* form) { frmBatchAdd_ = form; }
  void SetDirectoryForm(TFrmDirectory* form) { frmDirectory_ = form; }

  // Job list.
  void AddFile(const std::string& path);
  // Empties the list without asking.
  void ClearJobList();
  // Offers the files of a folder (and of its subfolders, if asked) whose
  // names end in "." and the extension ("*" or empty: any) to AddFile.
  void AddFolder(const std::string& folder, bool includeSubfolders, const std::string& extension);
  // The whole list, each entry with its status, in list order; and the list
  // made anew from such entries (as kept from an earlier run).
  const std::vector<joblist::JobEntry>& JobEntries() const { return entries_; }
  void RestoreJobEntries(std::vector<joblist::JobEntry> entries);
  // Told after every change of the list or of an entry's status.
  std::function<void()> OnJobListChanged;
  // The status of the entry at a position of the list, shown in the
  // list's Status column.
  const joblist::EntryStatus& EntryStatusAt(int index) const override;
  void SetEntryStatus(int index, const joblist::EntryStatus& status) override;
  // An entry's status in the words of the language file, whole: the
  // Status column shows it on one line.
  std::string EntryStatusText(const joblist::EntryStatus& status) const;

  // Busy state.
  void SetControlsEnabled(bool enabled);

  // Conversion run.
  void ConvertAll();
  // Converts the entries whose status is Failed again.
  void ConvertFailed();
  void StopConversion();
  void ResetProgress() override;
  void OpenFolder(const std::string& folder);
  // What OpenFolder hands the folder to: the shell's "open", unless a test
  // puts a recorder here.
  std::function<void(HWND owner, const std::string& folder)> ShellOpen;
  bool Converting() const { return runDriver_.Converting(); }
  conversion::OverwriteChoice overwritePolicy() const { return runDriver_.OverwritePolicy(); }

  // Start-up: the texts of a language file for this window and the others.
  void LoadLanguage(const std::string& fileName);
  // The output folder kept in config.ini, and keeping it there.
  std::string LoadOutputFolder() const;
  void SaveOutputFolder() const;

  // The texts kept from the language file. Until it is applied, and when it
  // lacks their keys, they hold the program's own English.
  std::string StringStartCaption = "Convert";
  std::string StringStopCaption = "Stop";
  std::string msgStatusReady = "Ready";
  std::string msgStatusRun = "Converting file %s";
  std::string msgClearAll = "Remove all files from the list?";
  std::string msgFolderView = "The conversion is finished.";
  std::string msgFinishInfo = "Open the output folder now?";
  // Heading of the list of files that could not be converted.
  std::string msgFailedFiles;
  // Offers to convert them again, after that list.
  std::string msgRetryFailed = "Convert them again now?";
  // The time left, with the file's and the run's durations for its %s.
  std::string msgTimeLeft = "%s left, %s for the run";
  // The Status column; the %s of some take a detail: the percentage, the
  // output's size, the encoder's reason.
  std::string msgEntryWaiting = "Waiting";
  std::string msgEntryConverting = "Converting %s";
  std::string msgEntryDone = "Done, %s";
  std::string msgEntryFailed = "Failed: %s";
  std::string msgEntryStopped = "Stopped";
  std::string msgEntrySkipped = "Skipped";
  std::string msgEntryInterrupted = "Interrupted";
  // The kept text of a language key, or nullptr.
  std::string* KeptText(const std::string& key);
  // Seconds a run must take for its end to flash the taskbar button when
  // the window is not in front.
  static constexpr double kFlashAfterSeconds = 5.0;

  ui::TListView* listViewFiles;
  // What listViewFiles shows, in its order: each entry's path (its
  // caption) and status, kept here so that the whole list is read without
  // asking the control for every caption.
  std::vector<joblist::JobEntry> entries_;
  ui::TGroupBox* groupBoxButtons;
  ui::TButton* buttonAdd;
  ui::TButton* buttonDelete;
  ui::TButton* buttonClearAll;
  ui::TButton* buttonMoveUp;
  ui::TButton* buttonMoveDown;
  ui::TGroupBox* groupBoxStatus;
  ui::TLabel* labelCurrentDecrption;
  ui::TLabel* labelCurrentProgress;
  ui::TLabel* labelCurrentInfo;
  ui::TProgressBar* progressBarCurrent;
  // The time left for the file and the run, beside the bar.
  ui::TLabel* labelTimeLeft;
  ui::TGroupBox* groupBoxSettings;
  ui::TGroupBox* GroupBoxSettingsVideo;
  ui::TLabel* labelVideoBitrate;
  ui::TComboBox* comboBoxVideoBitrate;
  ui::TLabel* labelFrameRate;
  ui::TComboBox* comboBoxFrameRate;
  ui::TLabel* labelVideoSize;
  ui::TComboBox* comboBoxVideoSize;
  ui::TGroupBox* GroupBoxSettingsAudio;
  ui::TLabel* labelAudioBitrate;
  ui::TComboBox* comboBoxAudioBitrate;
  ui::TLabel* labelSampleRate;
  ui::TComboBox* comboBoxSampleRate;
  ui::TLabel* labelChannel;
  ui::TComboBox* comboBoxChannel;
  ui::TGroupBox* groupBoxOutput;
  ui::TLabel* labelOutput;
  ui::TEdit* editOutputFolder;
  ui::TBitBtn* BitBtnOutput;
  ui::TButton* buttonConvert;

  ui::TActionList* ActionList;
  ui::TAction* ActionFileAdd;
  ui::TAction* ActionFileDelete;
  ui::TAction* ActionFileClearAll;
  ui::TAction* ActionFileMoveUp;
  ui::TAction* ActionFileMoveDown;
  ui::TAction* ActionExit;
  ui::TAction* ActionSetDirectory;
  ui::TAction* ActionFileBatchAdd;
  ui::TAction* ActionConvertNow;
  ui::TAction* ActionConvertFailed;

  ui::TMainMenu* MainMenu;
  ui::TMenuItem* N_1;
  ui::TMenuItem* N_Skin;
  std::vector<ui::TMenuItem*> N_SkinItems;  // N_Skin1 to N_Skin18
  ui::TMenuItem* N_Tools;
  ui::TMenuItem* N_OtherProducts;
  std::vector<ui::TMenuItem*> N_ProductItems;  // N_Product1 to N_Product7
  ui::TMenuItem* N_Help;
  ui::TMenuItem* N_LocalHelp;
  ui::TMenuItem* N_HomePage;
  ui::TMenuItem* N_Support;
  ui::TMenuItem* N_FeedBack;
  ui::TMenuItem* N_Update;
  ui::TPopupMenu* PopupMenu;

  console::TConsoleIO* ConsoleIO;
  ui::TOpenDialog* OpenDialog;
  // Made last, so it goes first and gives every window its own look back
  // while the controls are all there.
  skinning::TvxSkinEngine* vxSkinEngine;

 protected:
  void WndProc(ui::TMessage& message) override;

 private:
  void CreateJobListControls();
  void CreateStatusControls();
  void CreateSettingsControls();
  void CreateOutputControls();
  void CreateActions();
  void CreateMenus();
  void CreateHelpMenus();
  void CreateSkinMenu();
  void CreateConsoleIO();
  void CreateSkinEngine();

  // Start-up.
  void FormShow(base::TComponent* sender);
  void editOutputFolderChange(base::TComponent* sender);
  void RestoreOutputFolder();
  void InstallEncoder();

  // Help and Tools menus.
  void N_LocalHelpClick(base::TComponent* sender);
  void N_HomePageClick(base::TComponent* sender);
  void N_SupportClick(base::TComponent* sender);
  void N_FeedBackClick(base::TComponent* sender);
  void N_UpdateClick(base::TComponent* sender);
  void N_ProductClick(int entry);
  // N_Skin1Click to N_Skin18Click: entry k applies skin k and keeps its
  // number for the next start.
  void N_SkinClick(int k);

  // Job list commands.
  void ActionFileAddExecute(base::TComponent* sender);
  void ActionFileDeleteExecute(base::TComponent* sender);
  void ActionFileClearAllExecute(base::TComponent* sender);
  void ActionFileMoveUpExecute(base::TComponent* sender);
  void ActionFileMoveDownExecute(base::TComponent* sender);
  void MoveSelectedEntry(int step);
  void JobListChanged();
  // Adds a row for the entry at the end of the list.
  void AppendEntry(const std::string& path, const joblist::EntryStatus& status);

  // The Status column.
  void ShowEntryStatus(int index);
  void ShowAllEntryStatuses();
  std::string EntryTip(int index) const;
  void EntryEdited(int index);
  // The retry command can be given when no run is on and an entry failed.
  void UpdateConvertFailedCommand();
  void ActionFileBatchAddExecute(base::TComponent* sender);
  void AcceptDroppedFiles();
  void FilesDropped(HDROP drop);

  // Output folder.
  void ActionSetDirectoryExecute(base::TComponent* sender);

  // Conversion.
  void ActionConvertNowExecute(base::TComponent* sender);
  void ActionConvertFailedExecute(base::TComponent* sender);
  void ShowTimeLeft();
  void FlashIfBehind(double runSeconds);
  void ActionExitExecute(base::TComponent* sender);
  void FormClose(base::TComponent* sender, ui::TCloseAction& action);

  // The run driver's host.
  int EntryCount() const override;
  std::string EntryPath(int index) const override;
  std::string SelectEntry(int index) override;
  std::string OutputFolder() const override;
  conversion::ConversionSettings Settings() const override;
  console::TConsoleIO* Runner() const override { return ConsoleIO; }
  conversion::OverwriteChoice AskOverwrite() override;
  bool RunFinished(const std::string& folder, const std::vector<FailedEntry>& failed,
                   double seconds) override;

  // Runner events.
  // The encoder's texts are UTF-8.
  void ConsoleIOReceiveOutput(console::TConsoleIO* sender, const std::string& cmd);
  void ConsoleIOReceiveError(console::TConsoleIO* sender, const std::string& cmd);
  void ConsoleIOProcessStatusChange(console::TConsoleIO* sender, bool isRunning);
  void ParseEncoderOutput(const std::string& text);

  TfrmOverWrite* frmOverWrite_ = nullptr;
  TFrmBatchAdd* frmBatchAdd_ = nullptr;
  TFrmDirectory* frmDirectory_ = nullptr;
  conversion::EncoderProgressState progressState_;
  RunDriver runDriver_;
};

}  // namespace app
