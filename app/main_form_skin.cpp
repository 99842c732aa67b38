// The main window's Skin menu: eighteen entries, each applying its skin
// through the common services module and keeping its number.
#include "app/common_form.h"
#include "app/main_form.h"
#include "settings/skin_files.h"

namespace app {

// The captions come from the language file; the entries carry no check
// marks: the menu does not show which skin is in use.
void TfrmMain::CreateSkinMenu() {
  N_Skin = new ui::TMenuItem(&MainMenu->Items(), {"&Skin", "N_Skin"});
  for (int k = 1; k <= settings::kSkinCount; ++k) {
    const std::string number = std::to_string(k);
    N_SkinItems.push_back(
        new ui::TMenuItem(N_Skin, {"Skin" + number, "N_Skin" + number, nullptr,
                                   [this, k](base::TComponent*) { N_SkinClick(k); }}));
  }
}

// A skin that cannot be read leaves here with its error, and its number is
// not kept; a skin file found nowhere changes nothing but is kept.
void TfrmMain::N_SkinClick(int k) {
  frmCommon->ApplySkin(k);
  frmCommon->WriteSkinIndex(k);
}

}  // namespace app
