// The main window's Tools and Help menus; each entry hands its work to the
// common services module.
#include "app/common_form.h"
#include "app/main_form.h"
#include "settings/language_set.h"

namespace app {

void TfrmMain::CreateHelpMenus() {
  ui::TMenuItem& bar = MainMenu->Items();
  N_Tools = new ui::TMenuItem(&bar, {"&Tools", "N_Tools"});
  N_OtherProducts = new ui::TMenuItem(N_Tools, {"&Other products", "N_OtherProducts"});
  for (int entry = 1; entry <= settings::kProductPageCount; ++entry) {
    const std::string number = std::to_string(entry);
    N_ProductItems.push_back(new ui::TMenuItem(
        N_OtherProducts, {"Product" + number, "N_Product" + number, nullptr,
                          [this, entry](base::TComponent*) { N_ProductClick(entry); }}));
  }

  N_Help = new ui::TMenuItem(&bar, {"&Help", "N_Help"});
  auto entry = [this](const char* caption, const char* name,
                      void (TfrmMain::*click)(base::TComponent*)) {
    return new ui::TMenuItem(N_Help,
                             {caption, name, nullptr,
                              [this, click](base::TComponent* sender) { (this->*click)(sender); }});
  };
  N_LocalHelp = entry("&Help Topics", "N_LocalHelp", &TfrmMain::N_LocalHelpClick);
  N_HomePage = entry("Vexmoor Home &Page", "N_HomePage", &TfrmMain::N_HomePageClick);
  N_Support = entry("&Support by E-mail", "N_Support", &TfrmMain::N_SupportClick);
  N_FeedBack = entry("Send &Feedback", "N_FeedBack", &TfrmMain::N_FeedBackClick);
  N_Update = entry("Check for &Updates", "N_Update", &TfrmMain::N_UpdateClick);
}

void TfrmMain::N_LocalHelpClick(base::TComponent*) {
  frmCommon->OpenHelp();
}

void TfrmMain::N_HomePageClick(base::TComponent*) {
  frmCommon->OpenHomePage();
}

void TfrmMain::N_SupportClick(base::TComponent*) {
  frmCommon->OpenSupportMail();
}

void TfrmMain::N_FeedBackClick(base::TComponent*) {
  frmCommon->OpenFeedbackPage();
}

void TfrmMain::N_UpdateClick(base::TComponent*) {
  frmCommon->RunUpdater();
}

void TfrmMain::N_ProductClick(int entry) {
  frmCommon->OpenProductPage(entry);
}

}  // namespace app
