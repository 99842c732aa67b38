#include "tests/app/program_fixture.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "base/component.h"
#include "tests/support/window_driver.h"
#include "ui/action.h"
#include "ui/application.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "win/code_page.h"

namespace app_test {

namespace {

std::string MenuText(ui::TMenuItem& item) {
  wchar_t text[256] = {};
  GetMenuStringW(item.ParentItem()->Handle(), item.Command(), text, 256, MF_BYCOMMAND);
  return win::WideToUtf8(text);
}

std::string ComponentText(base::TComponent* component) {
  if (!component) {
    return "(no such component)";
  }
  if (auto* action = dynamic_cast<ui::TAction*>(component)) {
    return action->Caption();
  }
  if (auto* item = dynamic_cast<ui::TMenuItem*>(component)) {
    return MenuText(*item);
  }
  return dynamic_cast<ui::TControl&>(*component).Caption();
}

}  // namespace

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
  const test_support::RepeatingTimer tick([] { return false; });
  return test_support::PumpUntil(done, timeoutMs);
}

bool CloseWhenShown(const wchar_t* className, const std::string& title, UINT message,
                    WPARAM wParam) {
  const std::wstring caption = win::Utf8ToWide(title);
  HWND window = nullptr;
  if (!WaitFor([&] { return (window = FindWindowW(className, caption.c_str())) != nullptr; },
               20000)) {
    ADD_FAILURE() << "no window \"" << title << "\" showed";
    return false;
  }
  PostMessageW(window, message, wParam, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(window); }, 10000)) << title << " stays";
  return true;
}

std::string BuildMachinePath(const std::string& path) {
  std::string windows = "Z:" + path;
  for (char& c : windows) {
    if (c == '/') {
      c = '\\';
    }
  }
  return windows;
}

std::string ProgramFolder() {
  return BuildMachinePath(VEXMOOR_PROGRAM_FOLDER);
}

std::string SourceFolder() {
  return BuildMachinePath(VEXMOOR_SOURCE_FOLDER);
}

std::string FakeEncoderPath() {
  return BuildMachinePath(VEXMOOR_FAKE_ENCODER);
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(win::Utf8ToWide(path).c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(win::Utf8ToWide(path).c_str(), std::ios::binary) << bytes;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesW(win::Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string CarrierOf(const std::string& carried) {
  const auto count = static_cast<std::uint32_t>(carried.size() + 4);
  std::string trailer;
  for (int shift = 0; shift < 32; shift += 8) {
    trailer += static_cast<char>((count >> shift) & 0xFF);
  }
  return "test carrier\r\n" + carried + trailer;
}

const char kUnicodeFolderName[] =
    "\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD1\x8B "  // Программы
    "\xE8\xA7\x86\xE9\xA2\x91 \xF0\x9F\x8E\xAC";                                 // 视频 🎬

ScratchInstallation::ScratchInstallation(std::string appFolderName)
    : appFolderName_(std::move(appFolderName)) {
  for (const std::string& folder : {AppFolder(), AppFolder() + "language", SystemFolder(),
                                    TempFolder(), LocalAppDataFolder()}) {
    CreateDirectoryW(win::Utf8ToWide(folder).c_str(), nullptr);
  }
}

app::ProgramFolders ScratchInstallation::Folders() const {
  return {AppFolder() + "vexmoor.exe", {SystemFolder(), TempFolder()}, JobListFile()};
}

void ScratchInstallation::Install(std::initializer_list<const char*> names) const {
  for (const char* name : names) {
    if (!CopyFileW(win::Utf8ToWide(ProgramFolder() + name).c_str(),
                   win::Utf8ToWide(AppFolder() + name).c_str(), FALSE)) {
      ADD_FAILURE() << name << " is not in the build's program folder";
    }
  }
}

std::string ScratchInstallation::InstallFakeEncoderCarrier() const {
  const std::string encoder = ReadFile(FakeEncoderPath());
  WriteFile(AppFolder() + "plug.exe", CarrierOf(encoder));
  return encoder;
}

ProgramWindows::ProgramWindows(const ScratchInstallation& installation) {
  ui::Application().Initialize();
  ui::Application().SetOnException([this](const std::string& text) { errors.push_back(text); });
  const app::ProgramFolders folders = installation.Folders();
  common = std::make_unique<app::TfrmCommon>(folders.executablePath);
  common->DoCreate();
  main = std::make_unique<app::TfrmMain>(folders.folders);
  ui::Application().SetMainForm(main.get());
  main->DoCreate();
  overwrite = std::make_unique<app::TfrmOverWrite>();
  overwrite->DoCreate();
  main->SetOverwriteForm(overwrite.get());
  batchAdd = std::make_unique<app::TFrmBatchAdd>(*main);
  batchAdd->DoCreate();
  main->SetBatchAddForm(batchAdd.get());
  directory = std::make_unique<app::TFrmDirectory>();
  directory->DoCreate();
  main->SetDirectoryForm(directory.get());
}

ProgramWindows::~ProgramWindows() {
  directory.reset();
  batchAdd.reset();
  overwrite.reset();
  main.reset();
  common.reset();
  ui::Application().SetOnException(nullptr);
  ui::Application().SetTitle("Vexmoor");
}

void ProgramWindows::Show() {
  main->Show();
}

ui::TForm* WindowOf(const ProgramWindows& windows, const std::string& section) {
  if (section == "frmMain") {
    return windows.main.get();
  }
  if (section == "frmOverWrite") {
    return windows.overwrite.get();
  }
  if (section == "frmBatchAdd") {
    return windows.batchAdd.get();
  }
  if (section == "frmDirectory") {
    return windows.directory.get();
  }
  return nullptr;
}

std::optional<std::string> ShownText(const ProgramWindows& windows,
                                     const settings::LanguageKey& key) {
  using settings::TextTarget;
  if (key.target == TextTarget::kApplicationTitle) {
    return ui::Application().Title();
  }
  ui::TForm* window = WindowOf(windows, key.section);
  if (!window) {
    return std::nullopt;
  }
  switch (key.target) {
    case TextTarget::kWindowCaption:
      return window->Caption();
    case TextTarget::kColumnHeader:
      return dynamic_cast<ui::TListView&>(*window->FindNestedComponent(key.component))
          .ColumnCaption(key.column);
    case TextTarget::kKeptText: {
      const std::string* text = windows.main->KeptText(key.key);
      return text ? std::optional<std::string>(*text) : std::nullopt;
    }
    default:
      return ComponentText(window->FindNestedComponent(key.component));
  }
}

std::vector<settings::LanguageKey> KeysOfExistingWindows(const ProgramWindows& windows) {
  std::vector<settings::LanguageKey> keys;
  for (const settings::LanguageKey& key : settings::LanguageKeys()) {
    if (ShownText(windows, key)) {
      keys.push_back(key);
    }
  }
  return keys;
}

}  // namespace app_test
