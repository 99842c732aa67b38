#include "updater/update_notice.h"

#include <windows.h>

#include <shellapi.h>

#include "base/version.h"
#include "settings/ini_file.h"
#include "settings/language_set.h"
#include "settings/program_files.h"
#include "win/code_page.h"

namespace updater {

UpdateNotice NoticeFor(const std::string& applicationFolder) {
  const int languageId = settings::IniFile(applicationFolder + settings::kConfigFileName)
                             .ReadInteger("common", "language", settings::kDefaultLanguageId);
  const std::string page = settings::ChooseLanguageSet(languageId).downloadPageUrl;
  if (languageId == settings::kChineseLanguageId) {
    return {"Vexmoor 更新",
            "您正在使用 Vexmoor " VEXMOOR_VERSION_TEXT
            "。\r\n\r\n"
            "Vexmoor 不会通过网络自动更新，也不会从您的电脑发送任何信息。\r\n"
            "新版本发布在 Vexmoor 的下载页面：\r\n\r\n" +
                page + "\r\n\r\n现在打开这个页面吗？",
            page};
  }
  return {"Vexmoor Update",
          "This is Vexmoor " VEXMOOR_VERSION_TEXT
          ".\r\n\r\n"
          "Vexmoor does not update itself over the Internet, and sends nothing from your "
          "computer.\r\nNew versions are published on the Vexmoor download page:\r\n\r\n" +
              page + "\r\n\r\nOpen that page now?",
          page};
}

void ShowUpdateNotice(const UpdateNotice& notice) {
  const int answer =
      MessageBoxW(nullptr, win::Utf8ToWide(notice.text).c_str(),
                  win::Utf8ToWide(notice.caption).c_str(), MB_YESNO | MB_ICONINFORMATION);
  if (answer == IDYES) {
    ShellExecuteW(nullptr, L"open", win::Utf8ToWide(notice.pageUrl).c_str(), L"", L"", SW_SHOW);
  }
}

}  // namespace updater
