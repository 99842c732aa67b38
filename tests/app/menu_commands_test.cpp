// The Help and Tools menus: each entry hands its address or file to the
// shell, and the update entry starts update.EXE and ends the program.
// Wine's shell passes web and mail addresses to the programs named under
// HKCU\Software\Wine\WineBrowser; the test names url_logger.sh there,
// which notes every address it is given.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/program_fixture.h"
#include "tests/support/window_driver.h"
#include "win/code_page.h"

namespace app_test {
namespace {

const char kLoggerScript[] = VEXMOOR_URL_LOGGER;
const char kLog[] = VEXMOOR_URL_LOG;
const wchar_t kBrowserKey[] = L"Software\\Wine\\WineBrowser";

// Routes the shell's web and mail addresses to the logger while it lives.
class AddressLog {
 public:
  AddressLog() {
    DeleteFileW(win::Utf8ToWide(BuildMachinePath(kLog)).c_str());
    HKEY key;
    RegCreateKeyExW(HKEY_CURRENT_USER, kBrowserKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                    nullptr);
    const std::wstring logger = win::Utf8ToWide(kLoggerScript);
    for (const wchar_t* value : {L"Browsers", L"Mailers"}) {
      RegSetValueExW(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(logger.c_str()),
                     static_cast<DWORD>((logger.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
  }
  ~AddressLog() { RegDeleteKeyW(HKEY_CURRENT_USER, kBrowserKey); }
  AddressLog(const AddressLog&) = delete;
  AddressLog& operator=(const AddressLog&) = delete;

  // The addresses noted so far, sorted: the shell opens them one by one
  // in processes of their own, in no fixed order.
  std::vector<std::string> Addresses() const {
    std::istringstream text(ReadFile(BuildMachinePath(kLog)));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
      lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
  }

  std::vector<std::string> WaitForAddresses(std::size_t count) const {
    WaitFor([&] { return Addresses().size() >= count; }, 20000);
    return Addresses();
  }
};

void Choose(const ProgramWindows& windows, ui::TMenuItem* entry) {
  SendMessageW(windows.main->Handle(), WM_COMMAND, MAKEWPARAM(entry->Command(), 0), 0);
}

std::vector<std::string> Sorted(std::vector<std::string> lines) {
  std::sort(lines.begin(), lines.end());
  return lines;
}

// Home page, support, feedback, then the seven other products: in
// English 3 and 4 show the home page, 1 and 7 one product page, 2, 5 and 6
// another; in Chinese all seven show the Chinese home page.
TEST(MenuCommandsTest, WebAndMailEntriesOpenTheAddressesOfTheLanguage) {
  const std::string home = "https://vexmoor.org/", zh = "https://vexmoor.org/zh/";
  const std::string audio = "https://vexmoor.org/tools/audio/";
  const std::string video = "https://vexmoor.org/tools/video/";
  struct Case {
    const char* config;
    const char* languageFile;
    std::vector<std::string> addresses;
  };
  const Case cases[] = {
      {"[common]\r\nlanguage=2\r\n",
       "language\\en.ini",
       {home, "mailto:support@vexmoor.org", "https://vexmoor.org/feedback/", audio, video, home,
        home, video, video, audio}},
      {"[common]\r\nlanguage=1\r\n",
       "language\\gb.ini",
       {zh, "mailto:support-zh@vexmoor.org", "https://vexmoor.org/zh/contact/", zh, zh, zh, zh, zh,
        zh, zh}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.config);
    const AddressLog log;
    const ScratchInstallation installation;
    installation.Install({c.languageFile});
    installation.WriteConfig(c.config);
    ProgramWindows windows(installation);
    windows.Show();
    app::TfrmMain& main = *windows.main;
    for (ui::TMenuItem* entry : {main.N_HomePage, main.N_Support, main.N_FeedBack}) {
      Choose(windows, entry);
    }
    for (ui::TMenuItem* entry : main.N_ProductItems) {
      Choose(windows, entry);
    }
    EXPECT_EQ(Sorted(c.addresses), log.WaitForAddresses(c.addresses.size()));
  }
}

// The help file opens in the system's help viewer, titled as the help
// file names itself, also from a folder named outside the code page.
TEST(MenuCommandsTest, HelpEntryOpensTheHelpFile) {
  const ScratchInstallation installation(kUnicodeFolderName);
  installation.Install({"language\\en.ini", "Vexmoor.chm"});
  ProgramWindows windows(installation);
  windows.Show();
  Choose(windows, windows.main->N_LocalHelp);
  CloseWhenShown(L"HH Parent", "Vexmoor Help", WM_CLOSE);
}

// Ending the program is closing the main window and posting the message
// that ends the message loop; the test takes that message back, so its
// own loops go on.
bool ProgramEnded(const ProgramWindows& windows) {
  MSG quit;
  return !IsWindowVisible(windows.main->Handle()) &&
         PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

// The updater is started, and finds its folder, by the wide name.
TEST(MenuCommandsTest, UpdateEntryStartsTheUpdaterAndEndsTheProgram) {
  const ScratchInstallation installation(kUnicodeFolderName);
  installation.Install({"language\\en.ini", "update.EXE"});
  ProgramWindows windows(installation);
  windows.Show();
  Choose(windows, windows.main->N_Update);
  EXPECT_TRUE(ProgramEnded(windows));
  CloseWhenShown(L"#32770", "Vexmoor Update", WM_COMMAND, IDNO);
}

TEST(MenuCommandsTest, MissingUpdaterStillEndsTheProgramWithoutAMessage) {
  const ScratchInstallation installation;
  installation.Install({"language\\en.ini"});
  ProgramWindows windows(installation);
  windows.Show();
  Choose(windows, windows.main->N_Update);
  EXPECT_TRUE(ProgramEnded(windows));
  WaitFor([] { return false; }, 1000);
  EXPECT_EQ(nullptr, test_support::FindThreadWindow(L"#32770"));
  EXPECT_TRUE(windows.errors.empty());
}

}  // namespace
}  // namespace app_test
