#include "settings/language_keys.h"

namespace settings {

namespace {

using T = TextTarget;

void AddNumbered(std::vector<LanguageKey>& keys, const char* section, const char* prefix,
                 int count) {
  for (int number = 1; number <= count; ++number) {
    const std::string name = prefix + std::to_string(number);
    keys.push_back({section, name, T::kComponentCaption, name});
  }
}

std::vector<LanguageKey> MakeLanguageKeys() {
  std::vector<LanguageKey> keys = {
      {"App", "Title", T::kApplicationTitle, ""},

      {"frmMain", "caption", T::kWindowCaption, ""},
      {"frmMain", "ActionFileAdd", T::kComponentCaption, "ActionFileAdd"},
      {"frmMain", "ActionFileBatchAdd", T::kComponentCaption, "ActionFileBatchAdd"},
      {"frmMain", "ActionConvertNow", T::kComponentCaption, "ActionConvertNow"},
      {"frmMain", "ActionFileDelete", T::kComponentCaption, "ActionFileDelete"},
      {"frmMain", "ActionFileClearAll", T::kComponentCaption, "ActionFileClearAll"},
      {"frmMain", "ActionFileMoveUp", T::kComponentCaption, "ActionFileMoveUp"},
      {"frmMain", "ActionFileMoveDown", T::kComponentCaption, "ActionFileMoveDown"},
      {"frmMain", "ActionExit", T::kComponentCaption, "ActionExit"},
      {"frmMain", "ActionSetDirectory", T::kComponentCaption, "ActionSetDirectory"},
      {"frmMain", "ListViewItem0", T::kColumnHeader, "listViewFiles"},
      {"frmMain", "groupBoxStatus", T::kComponentCaption, "groupBoxStatus"},
      {"frmMain", "groupBoxSettings", T::kComponentCaption, "groupBoxSettings"},
      {"frmMain", "groupBoxSettingsVideo", T::kComponentCaption, "GroupBoxSettingsVideo"},
      {"frmMain", "groupBoxSettingsAudio", T::kComponentCaption, "GroupBoxSettingsAudio"},
      {"frmMain", "groupBoxOutput", T::kComponentCaption, "groupBoxOutput"},
      {"frmMain", "labelCurrentDecrption", T::kComponentCaption, "labelCurrentDecrption"},
      {"frmMain", "labelCurrentProgress", T::kComponentCaption, "labelCurrentProgress"},
      {"frmMain", "labelOutput", T::kComponentCaption, "labelOutput"},
      {"frmMain", "labelVideoBitrate", T::kComponentCaption, "labelVideoBitrate"},
      {"frmMain", "labelFrameRate", T::kComponentCaption, "labelFrameRate"},
      {"frmMain", "labelVideoSize", T::kComponentCaption, "labelVideoSize"},
      {"frmMain", "labelAudioBitrate", T::kComponentCaption, "labelAudioBitrate"},
      {"frmMain", "labelSampleRate", T::kComponentCaption, "labelSampleRate"},
      {"frmMain", "labelChannel", T::kComponentCaption, "labelChannel"},
      {"frmMain", "StringStartCaption", T::kKeptText, ""},
      {"frmMain", "StringStopCaption", T::kKeptText, ""},
      {"frmMain", "msgStatusReady", T::kKeptText, "labelCurrentInfo"},
      {"frmMain", "msgStatusRun", T::kKeptText, ""},
      {"frmMain", "msgClearAll", T::kKeptText, ""},
      {"frmMain", "msgFolderView", T::kKeptText, ""},
      {"frmMain", "msgFinishInfo", T::kKeptText, ""},
      {"frmMain", "msgFailedFiles", T::kKeptText, ""},
      {"frmMain", "N_1", T::kComponentCaption, "N_1"},
      {"frmMain", "N_Skin", T::kComponentCaption, "N_Skin"},
  };
  AddNumbered(keys, "frmMain", "N_Skin", 18);
  keys.push_back({"frmMain", "N_Tools", T::kComponentCaption, "N_Tools"});
  keys.push_back({"frmMain", "N_OtherProducts", T::kComponentCaption, "N_OtherProducts"});
  AddNumbered(keys, "frmMain", "N_Product", 7);
  const LanguageKey rest[] = {
      {"frmMain", "N_Help", T::kComponentCaption, "N_Help"},
      {"frmMain", "N_LocalHelp", T::kComponentCaption, "N_LocalHelp"},
      {"frmMain", "N_HomePage", T::kComponentCaption, "N_HomePage"},
      {"frmMain", "N_Support", T::kComponentCaption, "N_Support"},
      {"frmMain", "N_FeedBack", T::kComponentCaption, "N_FeedBack"},
      {"frmMain", "N_Update", T::kComponentCaption, "N_Update"},

      {"frmDirectory", "caption", T::kWindowCaption, ""},
      // The key's spelling is the one the language files have always used.
      {"frmDirectory", "labelDiretroy", T::kComponentCaption, "LabelDirectory"},
      {"frmDirectory", "buttonOK", T::kComponentCaption, "ButtonOK"},
      {"frmDirectory", "buttonCancel", T::kComponentCaption, "ButtonCancel"},

      {"frmBatchAdd", "caption", T::kWindowCaption, ""},
      {"frmBatchAdd", "labelDirectory", T::kComponentCaption, "labelDirectory"},
      {"frmBatchAdd", "checkBoxIsSubDirectorie", T::kComponentCaption, "checkBoxIsSubDirectorie"},
      {"frmBatchAdd", "labelFileNameExt", T::kComponentCaption, "labelFileNameExt"},
      {"frmBatchAdd", "labelNoticeFileNameExt", T::kComponentCaption, "labelNoticeFileNameExt"},
      {"frmBatchAdd", "buttonOK", T::kComponentCaption, "buttonOK"},
      {"frmBatchAdd", "buttonCancel", T::kComponentCaption, "buttonCancel"},

      {"frmOverWrite", "caption", T::kWindowCaption, ""},
      {"frmOverWrite", "labelDes", T::kComponentCaption, "labelDes"},
      {"frmOverWrite", "buttonOverWrite", T::kComponentCaption, "buttonOverWrite"},
      {"frmOverWrite", "buttonIgnore", T::kComponentCaption, "buttonIgnore"},
      {"frmOverWrite", "buttonAutoName", T::kComponentCaption, "buttonAutoName"},
      {"frmOverWrite", "checkBoxNotice", T::kComponentCaption, "checkBoxNotice"},
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
