// The choice of skin: a Skin menu entry's number becomes a file in the
// application folder, and the file goes to the main window's skin engine.
#include "app/common_form.h"
#include "app/main_form.h"
#include "settings/skin_files.h"
#include "ui/application.h"

namespace app {

void TfrmCommon::ApplySkin(int index) const {
  SetSkinPath(AppPath + settings::SkinFilePath(index));
}

void TfrmCommon::SetSkinPath(const std::string& path) const {
  if (auto* mainForm = dynamic_cast<TfrmMain*>(ui::Application().MainForm())) {
    mainForm->vxSkinEngine->SetSkinFile(path);
  }
}

}  // namespace app
