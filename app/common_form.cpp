#include "app/common_form.h"

#include "base/path_text.h"
#include "settings/ini_file.h"
#include "settings/language_set.h"
#include "settings/program_files.h"
#include "settings/skin_files.h"

namespace app {

TfrmCommon* frmCommon = nullptr;

namespace {

ui::TFormOptions CommonFormOptions() {
  ui::TFormOptions options;
  options.caption = "frmCommon";
  options.className = "TfrmCommon";
  return options;
}

}  // namespace

TfrmCommon::TfrmCommon(std::string executablePath)
    : ui::TForm(CommonFormOptions()), executablePath_(std::move(executablePath)) {
  SetName("frmCommon");
  OnCreate = [this](base::TComponent* sender) { FormCreate(sender); };
  frmCommon = this;
}

TfrmCommon::~TfrmCommon() {
  if (frmCommon == this) {
    frmCommon = nullptr;
  }
}

void TfrmCommon::FormCreate(base::TComponent*) {
  InitPaths();
}

void TfrmCommon::InitPaths() {
  AppPath = base::ExtractFilePath(executablePath_);
  ConfigFile = AppPath + settings::kConfigFileName;
  LanguageId =
      settings::IniFile(ConfigFile).ReadInteger("common", "language", settings::kDefaultLanguageId);
  const settings::LanguageSet& set = settings::ChooseLanguageSet(LanguageId);
  LanguageFile = AppPath + set.languageFile;
  SplashFile = AppPath + set.splashFile;
  HelpFile = AppPath + set.helpFile;
  HomePageUrl = set.homePageUrl;
  SupportMailUrl = set.supportMailUrl;
  FeedbackUrl = set.feedbackUrl;
}

int TfrmCommon::ReadSkinIndex() const {
  return settings::IniFile(ConfigFile).ReadInteger("skin", "skin", settings::kDefaultSkinIndex);
}

void TfrmCommon::WriteSkinIndex(int index) const {
  settings::IniFile(ConfigFile).WriteInteger("skin", "skin", index);
}

}  // namespace app
