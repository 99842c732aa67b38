// The help, web and update commands of the common services module.
#include <windows.h>

#include <shellapi.h>

#include "app/common_form.h"
#include "settings/language_set.h"
#include "settings/program_files.h"
#include "ui/application.h"
#include "win/code_page.h"

namespace app {

void TfrmCommon::OpenUrl(const std::string& target) const {
  ShellExecuteW(Handle(), L"open", win::Utf8ToWide(target).c_str(), L"", L"", SW_SHOW);
}

void TfrmCommon::OpenHelp() const {
  OpenUrl(HelpFile);
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
  if (ui::TForm* mainForm = ui::Application().MainForm())
    mainForm->Close();
  else
    ui::Application().Terminate();
}

}  // namespace app
