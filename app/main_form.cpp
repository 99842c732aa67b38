#include "app/main_form.h"

#include "base/path_text.h"

namespace app {

namespace {

ui::TFormOptions MainFormOptions() {
  ui::TFormOptions options;
  options.caption = "Vexmoor";
  options.left = 317;
  options.top = 154;
  options.clientWidth = 414;
  options.clientHeight = 411;
  options.borderStyle = ui::TBorderStyle::bsSingle;
  options.borderIcons = ui::TBorderIcons::FixedSize();
  options.className = "TfrmMain";
  return options;
}

template <class T>
T* Named(T* component, const char* name) {
  component->SetName(name);
  return component;
}

ui::TLabel* MakeLabel(ui::TControl* parent, const char* name, ui::TBounds bounds,
                      const char* caption) {
  return Named(new ui::TLabel(parent, {bounds, caption}), name);
}

ui::TComboBox* MakeSettingsList(ui::TControl* parent, const char* name, int left, int top,
                                const std::vector<std::string>& items, int itemIndex) {
  return Named(new ui::TComboBox(parent, {{left, top, 105, 21}, items, itemIndex}), name);
}

}  // namespace

TfrmMain::TfrmMain(const conversion::CommandLineFolders& folders)
    : ui::TForm(MainFormOptions()), runDriver_(*this, folders) {
  SetName("frmMain");
  CreateActions();
  CreateJobListControls();
  CreateStatusControls();
  CreateSettingsControls();
  CreateOutputControls();
  CreateMenus();
  listViewFiles->SetPopupMenu(PopupMenu);
  CreateConsoleIO();
  OpenDialog = Named(new ui::TOpenDialog(this), "OpenDialog");
  AcceptDroppedFiles();
  OnShow = [this](base::TComponent* sender) { FormShow(sender); };
  OnClose = [this](base::TComponent* sender, ui::TCloseAction& action) {
    FormClose(sender, action);
  };
  CreateSkinEngine();
}

// The runner reports the end of a process it still holds when it goes, and
// that report switches this window's controls: it goes first, while the
// window is whole, whichever way the window is destroyed.
TfrmMain::~TfrmMain() {
  delete ConsoleIO;
  ConsoleIO = nullptr;
}

void TfrmMain::CreateActions() {
  ActionList = Named(new ui::TActionList(this), "ActionList");
  auto make = [this](const char* name, const char* caption,
                     void (TfrmMain::*execute)(base::TComponent*)) {
    auto* action = Named(new ui::TAction(ActionList), name);
    action->SetCaption(caption);
    if (execute) {
      action->OnExecute = [this, execute](base::TComponent* sender) { (this->*execute)(sender); };
    }
    return action;
  };
  ActionFileAdd = make("ActionFileAdd", "Add", &TfrmMain::ActionFileAddExecute);
  ActionFileDelete = make("ActionFileDelete", "Remove", &TfrmMain::ActionFileDeleteExecute);
  ActionFileClearAll = make("ActionFileClearAll", "ClearAll", &TfrmMain::ActionFileClearAllExecute);
  ActionFileMoveUp = make("ActionFileMoveUp", "MoveUp", &TfrmMain::ActionFileMoveUpExecute);
  ActionFileMoveDown = make("ActionFileMoveDown", "MoveDown", &TfrmMain::ActionFileMoveDownExecute);
  ActionExit = make("ActionExit", "ActionExit", &TfrmMain::ActionExitExecute);
  ActionSetDirectory =
      make("ActionSetDirectory", "ActionSetDirectory", &TfrmMain::ActionSetDirectoryExecute);
  ActionFileBatchAdd =
      make("ActionFileBatchAdd", "ActionFileBatchAdd", &TfrmMain::ActionFileBatchAddExecute);
  ActionConvertNow = make("ActionConvertNow", "ConvertNow", &TfrmMain::ActionConvertNowExecute);
  ActionConvertFailed =
      make("ActionConvertFailed", "ConvertFailed", &TfrmMain::ActionConvertFailedExecute);
  ActionConvertFailed->SetEnabled(false);
}

void TfrmMain::CreateJobListControls() {
  ui::TListViewOptions list;
  list.bounds = {2, 10, 406, 137};
  list.columns = {{"文件列表", 289}, {"状态", 110}};
  list.gridLines = true;
  list.hideSelection = false;
  listViewFiles = Named(new ui::TListView(this, list), "listViewFiles");
  listViewFiles->OnItemEdited = [this](int index) { EntryEdited(index); };
  listViewFiles->OnItemTip = [this](int index) { return EntryTip(index); };

  groupBoxButtons = Named(new ui::TGroupBox(this, {{2, 148, 409, 38}, ""}), "groupBoxButtons");
  auto button = [this](const char* name, ui::TBounds bounds, ui::TAction* action) {
    return Named(new ui::TButton(groupBoxButtons, {bounds, "", action}), name);
  };
  buttonAdd = button("buttonAdd", {8, 8, 60, 25}, ActionFileAdd);
  buttonDelete = button("buttonDelete", {80, 8, 60, 25}, ActionFileDelete);
  buttonClearAll = button("buttonClearAll", {160, 9, 60, 25}, ActionFileClearAll);
  buttonMoveUp = button("buttonMoveUp", {264, 9, 60, 25}, ActionFileMoveUp);
  buttonMoveDown = button("buttonMoveDown", {336, 9, 60, 25}, ActionFileMoveDown);
}

void TfrmMain::CreateStatusControls() {
  groupBoxStatus = Named(new ui::TGroupBox(this, {{2, 187, 407, 57}, "进度"}), "groupBoxStatus");
  labelCurrentDecrption =
      MakeLabel(groupBoxStatus, "labelCurrentDecrption", {8, 16, 81, 13}, "当前操作描述");
  labelCurrentProgress =
      MakeLabel(groupBoxStatus, "labelCurrentProgress", {8, 34, 81, 13}, "当前文件进度");
  labelCurrentInfo = MakeLabel(groupBoxStatus, "labelCurrentInfo", {96, 15, 305, 13}, "准备就绪");
  progressBarCurrent = Named(new ui::TProgressBar(groupBoxStatus, {{96, 32, 150, 17}, 0, 100}),
                             "progressBarCurrent");
  labelTimeLeft = MakeLabel(groupBoxStatus, "labelTimeLeft", {250, 34, 151, 13}, "");
}

void TfrmMain::CreateSettingsControls() {
  groupBoxSettings =
      Named(new ui::TGroupBox(this, {{2, 243, 407, 88}, "设置"}), "groupBoxSettings");
  const conversion::ConversionSettings defaults;

  GroupBoxSettingsVideo = Named(new ui::TGroupBox(groupBoxSettings, {{8, 12, 194, 72}, "视频选项"}),
                                "GroupBoxSettingsVideo");
  auto* video = GroupBoxSettingsVideo;
  labelVideoBitrate = MakeLabel(video, "labelVideoBitrate", {3, 16, 69, 13}, "Video Bitrate");
  comboBoxVideoBitrate = MakeSettingsList(video, "comboBoxVideoBitrate", 72, 8,
                                          conversion::VideoBitrateItems(), defaults.videoBitrate);
  labelFrameRate = MakeLabel(video, "labelFrameRate", {3, 33, 69, 13}, "Frame Rate");
  comboBoxFrameRate = MakeSettingsList(video, "comboBoxFrameRate", 72, 27,
                                       conversion::FrameRateItems(), defaults.frameRate);
  labelVideoSize = MakeLabel(video, "labelVideoSize", {3, 51, 69, 13}, "Video Size");
  comboBoxVideoSize = MakeSettingsList(video, "comboBoxVideoSize", 72, 48,
                                       conversion::VideoSizeItems(), defaults.videoSize);

  GroupBoxSettingsAudio =
      Named(new ui::TGroupBox(groupBoxSettings, {{206, 12, 191, 72}, "音频选项"}),
            "GroupBoxSettingsAudio");
  auto* audio = GroupBoxSettingsAudio;
  labelAudioBitrate = MakeLabel(audio, "labelAudioBitrate", {4, 15, 71, 13}, "Audio Bitrate");
  comboBoxAudioBitrate = MakeSettingsList(audio, "comboBoxAudioBitrate", 75, 10,
                                          conversion::AudioBitrateItems(), defaults.audioBitrate);
  labelSampleRate = MakeLabel(audio, "labelSampleRate", {4, 33, 71, 13}, "Sample Rate");
  comboBoxSampleRate = MakeSettingsList(audio, "comboBoxSampleRate", 75, 30,
                                        conversion::SampleRateItems(), defaults.sampleRate);
  labelChannel = MakeLabel(audio, "labelChannel", {4, 52, 71, 13}, "Channel");
  comboBoxChannel = MakeSettingsList(audio, "comboBoxChannel", 75, 49, conversion::ChannelItems(),
                                     defaults.channels);
}

void TfrmMain::CreateOutputControls() {
  groupBoxOutput = Named(new ui::TGroupBox(this, {{2, 333, 408, 39}, "输出"}), "groupBoxOutput");
  labelOutput = MakeLabel(groupBoxOutput, "labelOutput", {8, 16, 65, 17}, "输出目录");
  editOutputFolder = Named(
      new ui::TEdit(groupBoxOutput, {{80, 12, 241, 21},
                                     "C:\\",
                                     true,
                                     [this](base::TComponent* s) { editOutputFolderChange(s); }}),
      "editOutputFolder");
  BitBtnOutput = Named(new ui::TBitBtn(groupBoxOutput, {{322, 10, 81, 25}, "", ActionSetDirectory}),
                       "BitBtnOutput");
  buttonConvert =
      Named(new ui::TButton(this, {{152, 375, 105, 33}, "", ActionConvertNow}), "buttonConvert");
}

void TfrmMain::CreateMenus() {
  PopupMenu = Named(new ui::TPopupMenu(this), "PopupMenu");
  auto entry = [](ui::TMenuItem* parent, ui::TAction* action) {
    return new ui::TMenuItem(parent, {"", "", action});
  };
  auto separator = [](ui::TMenuItem* parent) { return new ui::TMenuItem(parent, {"-"}); };
  auto listCommands = [&](ui::TMenuItem* parent) {
    entry(parent, ActionFileAdd);
    entry(parent, ActionFileBatchAdd);
    entry(parent, ActionFileDelete);
    entry(parent, ActionFileClearAll);
    separator(parent);
    entry(parent, ActionFileMoveUp);
    entry(parent, ActionFileMoveDown);
  };
  listCommands(&PopupMenu->Items());

  MainMenu = Named(new ui::TMainMenu(this), "MainMenu");
  N_1 = new ui::TMenuItem(&MainMenu->Items(), {"文件", "N_1"});
  listCommands(N_1);
  separator(N_1);
  entry(N_1, ActionConvertNow);
  entry(N_1, ActionConvertFailed);
  separator(N_1);
  entry(N_1, ActionExit);

  CreateSkinMenu();
  CreateHelpMenus();
}

void TfrmMain::CreateConsoleIO() {
  ConsoleIO = Named(new console::TConsoleIO(this), "ConsoleIO");
  ConsoleIO->SetTerminateCommand("quit");
  ConsoleIO->SetSplitMode(console::smSplitchar);
  ConsoleIO->SetEnableKill(true);
  ConsoleIO->SetStopProcessOnFree(true);
  ConsoleIO->SetOnReceiveOutput([this](console::TConsoleIO* sender, const std::string& cmd) {
    ConsoleIOReceiveOutput(sender, cmd);
  });
  ConsoleIO->SetOnReceiveError([this](console::TConsoleIO* sender, const std::string& cmd) {
    ConsoleIOReceiveError(sender, cmd);
  });
  ConsoleIO->SetOnProcessStatusChange([this](console::TConsoleIO* sender, bool running) {
    ConsoleIOProcessStatusChange(sender, running);
  });
}

void TfrmMain::CreateSkinEngine() {
  // The other settings keep their defaults: DisabledTag 9999, scroll bars,
  // dialog boxes and all forms skinned.
  vxSkinEngine = Named(new skinning::TvxSkinEngine(this), "vxSkinEngine");
  vxSkinEngine->SetActive(true);
  vxSkinEngine->Loaded();
}

// Messages the main window takes beyond a form's: files dropped from the
// shell.
void TfrmMain::WndProc(ui::TMessage& message) {
  ui::TForm::WndProc(message);
  if (message.Msg == WM_DROPFILES) {
    FilesDropped(reinterpret_cast<HDROP>(message.WParam));
  }
}

void TfrmMain::SetControlsEnabled(bool enabled) {
  listViewFiles->SetEnabled(enabled);
  for (ui::TControl* control :
       {static_cast<ui::TControl*>(buttonAdd), static_cast<ui::TControl*>(buttonDelete),
        static_cast<ui::TControl*>(buttonClearAll), static_cast<ui::TControl*>(buttonMoveUp),
        static_cast<ui::TControl*>(buttonMoveDown)}) {
    control->SetEnabled(enabled);
  }
  for (ui::TComboBox* list : {comboBoxVideoBitrate, comboBoxFrameRate, comboBoxVideoSize,
                              comboBoxAudioBitrate, comboBoxSampleRate, comboBoxChannel}) {
    list->SetEnabled(enabled);
  }
  for (ui::TAction* action : {ActionFileAdd, ActionFileDelete, ActionFileClearAll, ActionFileMoveUp,
                              ActionFileMoveDown, ActionSetDirectory, ActionFileBatchAdd}) {
    action->SetEnabled(enabled);
  }
  editOutputFolder->SetEnabled(enabled);
  ActionConvertNow->SetCaption(enabled ? StringStartCaption : StringStopCaption);
  UpdateConvertFailedCommand();
}

void TfrmMain::ConsoleIOProcessStatusChange(console::TConsoleIO*, bool isRunning) {
  SetControlsEnabled(!isRunning);
}

void TfrmMain::ConsoleIOReceiveOutput(console::TConsoleIO*, const std::string& cmd) {
  ParseEncoderOutput(cmd);
}

void TfrmMain::ConsoleIOReceiveError(console::TConsoleIO*, const std::string& cmd) {
  runDriver_.NoteEncoderMessages(cmd);
  ParseEncoderOutput(cmd);
}

// Progress and status line from one text of the encoder. Nothing here is
// ever reported: a text that does not parse leaves the display as it is.
void TfrmMain::ParseEncoderOutput(const std::string& text) {
  const auto progress = conversion::ParseEncoderOutput(text, progressState_);
  if (!progress) {
    return;
  }
  progressBarCurrent->SetPosition(progress->position);
  runDriver_.NoteProgress(*progress);
  ShowTimeLeft();
  const int selected = listViewFiles->SelectedIndex();
  if (selected < 0) {
    return;
  }
  const std::string name = base::ExtractFileName(listViewFiles->Item(selected).Caption());
  labelCurrentInfo->SetCaption(conversion::FormatProgressStatus(
      msgStatusRun, selected, listViewFiles->ItemCount(), name, *progress));
}

}  // namespace app
