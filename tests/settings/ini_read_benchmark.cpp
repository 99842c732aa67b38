// Start-up's reads of config.ini when the file holds one huge line (20 MB
// in [setting], as a damaged or hand-edited file may): the three values
// start-up reads, each through a fresh IniFile as start-up makes them,
// against the same three through the platform's section reader, which the
// program used before it parsed files itself. Prints milliseconds and the
// ratio. Run under Wine: wine ini_read_benchmark.exe
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "settings/ini_file.h"
#include "tests/support/test_folder.h"
#include "win/code_page.h"
#include "win/whole_file.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kReads[][2] = {
    {"common", "language"}, {"skin", "skin"}, {"setting", "outputFolder"}};

double Milliseconds(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double ThroughIniFile(const std::string& path) {
  const Clock::time_point start = Clock::now();
  for (const auto& read : kReads) {
    settings::IniFile(path).ReadValue(read[0], read[1]);
  }
  return Milliseconds(start);
}

// The section, whole, into a buffer doubled until it fits.
double ThroughPlatformSections(const std::string& path) {
  const std::wstring file = win::Utf8ToWide(path);
  const Clock::time_point start = Clock::now();
  for (const auto& read : kReads) {
    const std::wstring section = win::Utf8ToWide(read[0]);
    std::wstring buffer(4096, L'\0');
    while (GetPrivateProfileSectionW(section.c_str(), &buffer[0], static_cast<DWORD>(buffer.size()),
                                     file.c_str()) +
               2 >=
           buffer.size()) {
      buffer.assign(buffer.size() * 2, L'\0');
    }
  }
  return Milliseconds(start);
}

}  // namespace

int main() {
  const test_support::TestFolder folder;
  const std::string path = folder.File("config.ini");
  const std::string huge(20 << 20, 'x');
  win::OverwriteWholeFile(path, win::Utf16LeTextFile("[common]\r\nlanguage=2\r\n[setting]\r\n"
                                                     "outputFolder=" +
                                                     huge + "\r\n[skin]\r\nskin=3\r\n"));
  const double ours = ThroughIniFile(path);
  const double platform = ThroughPlatformSections(path);
  std::printf("config.ini of %zu MB, three start-up reads:\n", (huge.size() * 2) >> 20);
  std::printf("  IniFile (whole file once per read):   %8.1f ms\n", ours);
  std::printf("  platform section reader (before):     %8.1f ms\n", platform);
  std::printf("  ratio before/now:                     %8.2f\n", platform / ours);
  return 0;
}
