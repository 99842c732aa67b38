#pragma once

#include <string>

#include "ui/form.h"

namespace app {

// The common services module: the program's folders and files, the
// language set chosen at start-up, config.ini, and the help, web and
// update commands. One instance, made first at start-up and never shown;
// it lives in the global frmCommon until the process ends.
class TfrmCommon : public ui::TForm {
 public:
  // executablePath: the program's own file; its folder is the application
  // folder.
  explicit TfrmCommon(std::string executablePath);
  ~TfrmCommon() override;

  // Fixes the paths and the language set from the application folder and
  // [common] language; run by FormCreate.
  void InitPaths();

  // Set by InitPaths and never changed afterwards. Paths are UTF-8.
  std::string FeedbackUrl;
  std::string AppPath;  // the application folder, ending in a backslash
  std::string ConfigFile;
  std::string LanguageFile;
  std::string HomePageUrl;
  std::string SupportMailUrl;
  std::string HelpFile;
  std::string SplashFile;
  int LanguageId = 0;

  // [skin] skin: 10 when missing or not a number, unchecked otherwise.
  int ReadSkinIndex() const;
  // Throws settings::EIniFileException when config.ini cannot be written.
  void WriteSkinIndex(int index) const;

  // Gives the main window's skin engine the file of skin `index` in the
  // application's skins folder (skin 10's for a number outside 1 to 18).
  void ApplySkin(int index) const;
  // Hands a skin file to the main window's skin engine, which loads it and
  // restyles every window. A file found nowhere changes nothing; one that
  // cannot be read throws the engine's error, and the windows lose their
  // skin.
  void SetSkinPath(const std::string& path) const;
  // The stored skin, at start-up. One that cannot be read is reported once
  // and gives way to skin 10 when that loads, else to the ordinary look;
  // it never throws, so the steps of start-up after it still run.
  void RestoreSkin() const;

  // Asks the shell to open a file, folder, web or mail address; whatever
  // the shell answers, the program goes on without a message.
  void OpenUrl(const std::string& target) const;
  void OpenHelp() const;
  void OpenHomePage() const;
  void OpenSupportMail() const;
  void OpenFeedbackPage() const;
  // Entry 1 to 7 of the Tools menu's other products.
  void OpenProductPage(int entry) const;
  // Starts update.EXE from the application folder and ends the program.
  void RunUpdater() const;

  // Copies the file carried at the end of `carrier` to `destination`;
  // false on any failure, which it never reports. The destination appears
  // only whole: the bytes go to a temporary file beside it first.
  static bool ExtractAppendedFile(const std::string& carrier, const std::string& destination);
  // Deletes the temporary files that copies to `destination` cut short
  // (by a crash or a power cut) left beside it.
  static void RemoveInterruptedCopies(const std::string& destination);

 private:
  void FormCreate(base::TComponent* sender);

  std::string executablePath_;
};

// The one instance, from its creation until it goes.
extern TfrmCommon* frmCommon;

}  // namespace app
