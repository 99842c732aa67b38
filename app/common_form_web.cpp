// The help, web and update commands of the common services module.
#include <windows.h>

#include <shellapi.h>

#include "app/common_form.h"
#include "settings/language_set.h"
#include "settings/program_files.h"
#include "ui/application.h"
#include "win/code_page.h"

namespace app {

// The shell is told not to report a failure: a missing help file or
// updater, or no program for an address, goes by without a message.
void TfrmCommon::OpenUrl(const std::string& target) const {
  const std::wstring file = win::Utf8ToWide(target);
  SHELLEXECUTEINFOW request{};
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_FLAG_NO_UI;
  request.hwnd = Handle();
  request.lpVerb = L"open";
  request.lpFile = file.c_str();
  request.lpParameters = L"";
  request.lpDirectory = L"";
  request.nShow = SW_SHOW;
  ShellExecuteExW(&request);
}

namespace {

// The help viewer opens only a file whose name the system's code page
// holds (Wine's viewer, as HTML Help always did). A help file in a folder
// named outside it is handed over by its short name, which is ASCII where
// the volume keeps short names.
std::string HelpViewerPath(const std::string& path) {
  if (win::AnsiToUtf8(win::Utf8ToAnsi(path)) == path) {
    return path;
  }
  const std::wstring wide = win::Utf8ToWide(path);
  std::wstring shortPath(GetShortPathNameW(wide.c_str(), nullptr, 0), L'\0');
  if (shortPath.empty()) {
    return path;
  }
  shortPath.resize(
      GetShortPathNameW(wide.c_str(), &shortPath[0], static_cast<DWORD>(shortPath.size())));
  return win::WideToUtf8(shortPath);
}

}  // namespace

void TfrmCommon::OpenHelp() const {
  OpenUrl(HelpViewerPath(HelpFile));
}

void TfrmCommon::OpenHomePage() const {
  OpenUrl(HomePageUrl);
}

void TfrmCommon::OpenSupportMail() const {
  OpenUrl(SupportMailUrl);
}

void TfrmCommon::OpenFeedbackPage() const {
  OpenUrl(FeedbackUrl);
}

void TfrmCommon::OpenProductPage(int entry) const {
  OpenUrl(settings::ProductPageUrl(LanguageId, entry));
}

// The program ends by closing its main window, as Exit does: a running
// encoder is stopped, no further file is started and the temporary script
// goes.
void TfrmCommon::RunUpdater() const {
  OpenUrl(AppPath + settings::kUpdaterFileName);
  if (ui::TForm* mainForm = ui::Application().MainForm()) {
    mainForm->Close();
  } else {
    ui::Application().Terminate();
  }
}

}  // namespace app
