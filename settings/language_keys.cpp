#include "settings/language_keys.h"

#include <initializer_list>

namespace settings {

namespace {

using T = TextTarget;

// Entries numbered from 1, in the order of their English texts.
void AddNumbered(std::vector<LanguageKey>& keys, const char* section, const char* prefix,
                 std::initializer_list<const char*> english) {
  int number = 0;
  for (const char* text : english) {
    const std::string name = prefix + std::to_string(++number);
    keys.push_back({section, name, T::kComponentCaption, name, text});
  }
}

std::vector<LanguageKey> MakeLanguageKeys() {
  std::vector<LanguageKey> keys = {
      {"App", "Title", T::kApplicationTitle, "", "Vexmoor"},

      {"frmMain", "caption", T::kWindowCaption, "", "Vexmoor"},
      {"frmMain", "ActionFileAdd", T::kComponentCaption, "ActionFileAdd", "&Add..."},
      {"frmMain", "ActionFileBatchAdd", T::kComponentCaption, "ActionFileBatchAdd",
       "Add &Folder..."},
      {"frmMain", "ActionConvertNow", T::kComponentCaption, "ActionConvertNow", "&Convert"},
      {"frmMain", "ActionConvertFailed", T::kComponentCaption, "ActionConvertFailed",
       "Convert &Failed Files Again"},
      {"frmMain", "ActionFileDelete", T::kComponentCaption, "ActionFileDelete", "&Remove"},
      {"frmMain", "ActionFileClearAll", T::kComponentCaption, "ActionFileClearAll", "C&lear All"},
      {"frmMain", "ActionFileMoveUp", T::kComponentCaption, "ActionFileMoveUp", "&Up"},
      {"frmMain", "ActionFileMoveDown", T::kComponentCaption, "ActionFileMoveDown", "&Down"},
      {"frmMain", "ActionExit", T::kComponentCaption, "ActionExit", "E&xit"},
      {"frmMain", "ActionSetDirectory", T::kComponentCaption, "ActionSetDirectory", "&Browse..."},
      {"frmMain", "ListViewItem0", T::kColumnHeader, "listViewFiles", "Files to convert"},
      {"frmMain", "ListViewItem1", T::kColumnHeader, "listViewFiles", "Status", 1},
      {"frmMain", "groupBoxStatus", T::kComponentCaption, "groupBoxStatus", "Progress"},
      {"frmMain", "groupBoxSettings", T::kComponentCaption, "groupBoxSettings", "Settings"},
      {"frmMain", "groupBoxSettingsVideo", T::kComponentCaption, "GroupBoxSettingsVideo", "Video"},
      {"frmMain", "groupBoxSettingsAudio", T::kComponentCaption, "GroupBoxSettingsAudio", "Audio"},
      {"frmMain", "groupBoxOutput", T::kComponentCaption, "groupBoxOutput", "Output"},
      {"frmMain", "labelCurrentDecrption", T::kComponentCaption, "labelCurrentDecrption",
       "Status:"},
      {"frmMain", "labelCurrentProgress", T::kComponentCaption, "labelCurrentProgress",
       "Current file:"},
      {"frmMain", "labelOutput", T::kComponentCaption, "labelOutput", "Folder:"},
      {"frmMain", "labelVideoBitrate", T::kComponentCaption, "labelVideoBitrate", "Bitrate"},
      {"frmMain", "labelFrameRate", T::kComponentCaption, "labelFrameRate", "Frame rate"},
      {"frmMain", "labelVideoSize", T::kComponentCaption, "labelVideoSize", "Frame size"},
      {"frmMain", "labelAudioBitrate", T::kComponentCaption, "labelAudioBitrate", "Bitrate"},
      {"frmMain", "labelSampleRate", T::kComponentCaption, "labelSampleRate", "Sample rate"},
      {"frmMain", "labelChannel", T::kComponentCaption, "labelChannel", "Channels"},
      {"frmMain", "StringStartCaption", T::kKeptText, "", "&Convert"},
      {"frmMain", "StringStopCaption", T::kKeptText, "", "&Stop"},
      {"frmMain", "msgStatusReady", T::kKeptText, "labelCurrentInfo", "Ready"},
      {"frmMain", "msgStatusRun", T::kKeptText, "", "Converting file %s:"},
      {"frmMain", "msgClearAll", T::kKeptText, "", "Remove all files from the list?"},
      {"frmMain", "msgFolderView", T::kKeptText, "", "All files in the list have been processed."},
      {"frmMain", "msgFinishInfo", T::kKeptText, "", "Do you want to open the output folder now?"},
      {"frmMain", "msgFailedFiles", T::kKeptText, "", "These files could not be converted:"},
      {"frmMain", "msgRetryFailed", T::kKeptText, "", "Do you want to convert them again now?"},
      {"frmMain", "msgTimeLeft", T::kKeptText, "", "%s left, %s for the run"},
      {"frmMain", "msgEntryWaiting", T::kKeptText, "", "Waiting"},
      {"frmMain", "msgEntryConverting", T::kKeptText, "", "Converting %s"},
      {"frmMain", "msgEntryDone", T::kKeptText, "", "Done, %s"},
      {"frmMain", "msgEntryFailed", T::kKeptText, "", "Failed: %s"},
      {"frmMain", "msgEntryStopped", T::kKeptText, "", "Stopped"},
      {"frmMain", "msgEntrySkipped", T::kKeptText, "", "Skipped"},
      {"frmMain", "msgEntryInterrupted", T::kKeptText, "", "Interrupted"},
      {"frmMain", "N_1", T::kComponentCaption, "N_1", "&File"},
      {"frmMain", "N_Skin", T::kComponentCaption, "N_Skin", "&Skin"},
  };
  // The skins as the Skin menu names them, in the order of their files.
  AddNumbered(
      keys, "frmMain", "N_Skin",
      {"&Calmness", "Diamond &Blue", "Diamond &Green", "G&lass Green", "Sl&ate Glass", "Al&uminium",
       "&Midnight", "S&ky", "&One Blue", "&Silver", "S&ports Black", "Spor&ts Blue", "Mi&dsummer",
       "&Emerald", "&Warm", "Class&ic Blue", "Oli&ve", "Pea&rl"});
  keys.push_back({"frmMain", "N_Tools", T::kComponentCaption, "N_Tools", "&Tools"});
  keys.push_back({"frmMain", "N_OtherProducts", T::kComponentCaption, "N_OtherProducts",
                  "&Other Vexmoor Programs"});
  AddNumbered(keys, "frmMain", "N_Product",
              {"Vexmoor &Audio Converter", "Vexmoor &DVD to Phone", "All Vexmoor &Programs",
               "Vexmoor &News", "Vexmoor Video &Joiner", "Vexmoor Video &Splitter",
               "Vexmoor &Ringtone Maker"});
  const LanguageKey rest[] = {
      {"frmMain", "N_Help", T::kComponentCaption, "N_Help", "&Help"},
      {"frmMain", "N_LocalHelp", T::kComponentCaption, "N_LocalHelp", "&Help Topics"},
      {"frmMain", "N_HomePage", T::kComponentCaption, "N_HomePage", "Vexmoor Home &Page"},
      {"frmMain", "N_Support", T::kComponentCaption, "N_Support", "&Support by E-mail"},
      {"frmMain", "N_FeedBack", T::kComponentCaption, "N_FeedBack", "Send &Feedback"},
      {"frmMain", "N_Update", T::kComponentCaption, "N_Update", "Check for &Updates"},

      {"frmDirectory", "caption", T::kWindowCaption, "", "Choose the Output Folder"},
      // The key's spelling is the one the language files have always used.
      {"frmDirectory", "labelDiretroy", T::kComponentCaption, "LabelDirectory", "Folder:"},
      {"frmDirectory", "buttonOK", T::kComponentCaption, "ButtonOK", "&OK"},
      {"frmDirectory", "buttonCancel", T::kComponentCaption, "ButtonCancel", "&Cancel"},

      {"frmBatchAdd", "caption", T::kWindowCaption, "", "Add Files from a Folder"},
      {"frmBatchAdd", "labelDirectory", T::kComponentCaption, "labelDirectory", "Folder:"},
      {"frmBatchAdd", "checkBoxIsSubDirectorie", T::kComponentCaption, "checkBoxIsSubDirectorie",
       "Include &subfolders"},
      {"frmBatchAdd", "labelFileNameExt", T::kComponentCaption, "labelFileNameExt", "Extension:"},
      {"frmBatchAdd", "labelNoticeFileNameExt", T::kComponentCaption, "labelNoticeFileNameExt",
       "(* for any file, or type one, such as avi)"},
      {"frmBatchAdd", "buttonOK", T::kComponentCaption, "buttonOK", "&OK"},
      {"frmBatchAdd", "buttonCancel", T::kComponentCaption, "buttonCancel", "&Cancel"},

      {"frmOverWrite", "caption", T::kWindowCaption, "", "File Exists"},
      {"frmOverWrite", "labelDes", T::kComponentCaption, "labelDes",
       "The output file exists already. Overwrite it?"},
      {"frmOverWrite", "buttonOverWrite", T::kComponentCaption, "buttonOverWrite", "&Overwrite"},
      {"frmOverWrite", "buttonIgnore", T::kComponentCaption, "buttonIgnore", "&Skip"},
      {"frmOverWrite", "buttonAutoName", T::kComponentCaption, "buttonAutoName", "&New Name"},
      {"frmOverWrite", "checkBoxNotice", T::kComponentCaption, "checkBoxNotice",
       "&Do the same for every later file without asking"},
  };
  keys.insert(keys.end(), std::begin(rest), std::end(rest));
  return keys;
}

}  // namespace

const std::vector<LanguageKey>& LanguageKeys() {
  static const std::vector<LanguageKey> keys = MakeLanguageKeys();
  return keys;
}

}  // namespace settings
