// The choice of skin: a Skin menu entry's number becomes a file in the
// application folder, and the file goes to the main window's skin engine.
#include <exception>

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

void TfrmCommon::RestoreSkin() const {
  const int index = ReadSkinIndex();
  try {
    ApplySkin(index);
    return;
  } catch (const std::exception&) {
    ui::Application().HandleException();
  }
  if (settings::SkinFilePath(index) == settings::SkinFilePath(settings::kDefaultSkinIndex)) {
    return;
  }
  try {
    ApplySkin(settings::kDefaultSkinIndex);
  } catch (const std::exception&) {
    // The stored skin's error is the one the user has seen; this start
    // goes on in the ordinary look.
  }
}

}  // namespace app
