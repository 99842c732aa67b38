#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/batch_add_form.h"
#include "app/common_form.h"
#include "app/directory_form.h"
#include "app/main_form.h"
#include "app/overwrite_form.h"
#include "app/program.h"
#include "settings/language_keys.h"
#include "tests/support/test_folder.h"

namespace app_test {

// Dispatches messages until done() holds, checking it every 20 ms also
// when no message comes (for files and other processes' windows); false
// when the time ran out.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs);

// Waits for a visible top-level window of any process with that class and
// title, then sends it the message that closes it and waits until it is
// gone. Records a failure and returns false when the window does not show.
bool CloseWhenShown(const wchar_t* className, const std::string& title, UINT message,
                    WPARAM wParam = 0);

// A path of the build machine as the program sees it under Wine (Z:).
std::string BuildMachinePath(const std::string& path);

// Files of the build: the program's folder (bin\), the source tree and the
// main window tests' fake encoder, as Windows paths.
std::string ProgramFolder();
std::string SourceFolder();
std::string FakeEncoderPath();

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// A carrier of the given bytes as the build makes plug.exe: a header, the
// bytes, then their size plus four, little-endian.
std::string CarrierOf(const std::string& carried);

// The program installed in a test folder: app\ (the application folder,
// holding only what the test puts there, or a folder of another name),
// system\, temp\ and appdata\, which stands for the user's
// %LOCALAPPDATA%.
class ScratchInstallation {
 public:
  explicit ScratchInstallation(std::string appFolderName = "app");

  // The test folder that holds them all, with a backslash at its end.
  std::string Root() const { return root_.Path(); }
  std::string AppFolder() const { return root_.Path() + appFolderName_ + "\\"; }
  std::string SystemFolder() const { return root_.Path() + "system\\"; }
  std::string TempFolder() const { return root_.Path() + "temp\\"; }
  std::string ConfigFile() const { return AppFolder() + "config.ini"; }
  std::string EncoderPath() const { return SystemFolder() + "libm9s.exe"; }
  // The kept job list, in a folder that stands for %LOCALAPPDATA%.
  std::string LocalAppDataFolder() const { return root_.Path() + "appdata\\"; }
  std::string JobListFile() const { return LocalAppDataFolder() + "Vexmoor\\joblist.txt"; }
  app::ProgramFolders Folders() const;

  // Copies files of the build's program folder, by their names there.
  void Install(std::initializer_list<const char*> names) const;
  void WriteConfig(const std::string& text) const { WriteFile(ConfigFile(), text); }
  // plug.exe carrying the fake encoder; returns the encoder's bytes.
  std::string InstallFakeEncoderCarrier() const;

 private:
  test_support::TestFolder root_;
  std::string appFolderName_;
};

// A folder name outside every single code page: Cyrillic, Chinese and a
// character outside the Basic Multilingual Plane, with blanks.
extern const char kUnicodeFolderName[];

// The windows as start-up makes them, without the splash and the message
// loop. Every exception that reaches the application's handler is kept in
// errors instead of shown.
class ProgramWindows {
 public:
  explicit ProgramWindows(const ScratchInstallation& installation);
  ~ProgramWindows();

  // The main window's first showing: texts, output folder, encoder.
  void Show();

  std::vector<std::string> errors;
  std::unique_ptr<app::TfrmCommon> common;
  std::unique_ptr<app::TfrmMain> main;
  std::unique_ptr<app::TfrmOverWrite> overwrite;
  std::unique_ptr<app::TFrmBatchAdd> batchAdd;
  std::unique_ptr<app::TFrmDirectory> directory;
};

// The window that serves a section of the language file, or nullptr.
ui::TForm* WindowOf(const ProgramWindows& windows, const std::string& section);

// What a key of the language table shows now: the title, a caption, the
// text of a menu entry as its menu holds it, a column header, or a kept
// text. Nothing for a key of a window the program does not have yet.
std::optional<std::string> ShownText(const ProgramWindows& windows,
                                     const settings::LanguageKey& key);

// The keys of the language table whose window exists.
std::vector<settings::LanguageKey> KeysOfExistingWindows(const ProgramWindows& windows);

}  // namespace app_test
