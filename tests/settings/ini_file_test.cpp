// INI files through the platform on the system's code page, whichever it
// is: config.ini keeps any name once it is Unicode, an older file in the
// system's code page keeps all it holds when it becomes Unicode, and a
// language file is read in its own code page. CTest runs these on a 1252
// and on a 936 system.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/ini_file.h"
#include "tests/support/test_folder.h"
#include "tests/support/unicode_names.h"
#include "win/code_page.h"
#include "win/unique.h"
#include "win/whole_file.h"

namespace {

// Each name of the table, as a folder.
std::vector<std::string> FolderNames() {
  std::vector<std::string> folders;
  for (const char* name : test_support::kUnicodeNames) {
    folders.push_back(std::string("C:\\") + name + "\\");
  }
  return folders;
}

std::string Read(const std::string& path) {
  return win::ReadWholeFile(path).value_or("");
}

void Write(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(win::OverwriteWholeFile(path, bytes));
}

// The text in the system's code page, when the code page holds all of it.
std::optional<std::string> InSystemCodePage(const std::string& text) {
  const win::AnsiString ansi = win::Utf8ToAnsi(text);
  return win::AnsiToUtf8(ansi) == text ? std::optional<std::string>(ansi.Bytes()) : std::nullopt;
}

std::string PlatformValue(const std::string& path, const char* section, const char* key) {
  wchar_t value[4096] = {};
  GetPrivateProfileStringW(win::Utf8ToWide(section).c_str(), win::Utf8ToWide(key).c_str(), L"",
                           value, 4096, win::Utf8ToWide(path).c_str());
  return win::WideToUtf8(value);
}

class IniFileTest : public ::testing::Test {
 protected:
  test_support::TestFolder folder;
  const std::string path = folder.File("config.ini");
};

// What is written is read back by a later reader, ours and the platform's,
// as it was; the file it makes is UTF-16LE with its byte-order mark.
TEST_F(IniFileTest, AnyNameIsKeptFromWriteToRead) {
  for (const std::string& name : FolderNames()) {
    SCOPED_TRACE(name);
    settings::IniFile(path).WriteString("setting", "outputFolder", name);
    settings::IniFile(path).WriteInteger("skin", "skin", 3);
    EXPECT_EQ(name, settings::IniFile(path).ReadValue("setting", "outputFolder"));
    EXPECT_EQ(name, PlatformValue(path, "setting", "outputFolder"));
    EXPECT_EQ(3, settings::IniFile(path).ReadInteger("skin", "skin", 0));
    EXPECT_EQ("\xFF\xFE", Read(path).substr(0, 2));
  }
}

// A file of an earlier version, or one the installer made, is in the
// system's code page. It is read as such, and its first write turns it
// into UTF-16LE with every line it held; keys the platform writes later
// (the installer's language) land in that file and are read.
TEST_F(IniFileTest, AFileInTheSystemCodePageKeepsAllItHoldsWhenItBecomesUnicode) {
  for (const std::string& name : FolderNames()) {
    const std::optional<std::string> ansiName = InSystemCodePage(name);
    if (!ansiName) {
      continue;  // a name this system's code page cannot hold was never stored in one
    }
    SCOPED_TRACE(name);
    Write(path, "; kept comment\r\n[common]\r\nlanguage=1\r\n[setting]\r\noutputFolder=" +
                    *ansiName + "\r\n[skin]\r\nskin=3\r\n");
    EXPECT_EQ(name, settings::IniFile(path).ReadValue("setting", "outputFolder"));

    settings::IniFile(path).WriteInteger("skin", "skin", 7);
    EXPECT_EQ("\xFF\xFE", Read(path).substr(0, 2));
    const settings::IniFile upgraded(path);
    EXPECT_EQ("1", upgraded.ReadValue("common", "language"));
    EXPECT_EQ(name, upgraded.ReadValue("setting", "outputFolder"));
    EXPECT_EQ("7", upgraded.ReadValue("skin", "skin"));
    EXPECT_NE(std::string::npos,
              win::TextFileToUtf8(Read(path), CP_ACP).find("; kept comment\r\n[common]"));

    ASSERT_TRUE(
        WritePrivateProfileStringW(L"common", L"language", L"2", win::Utf8ToWide(path).c_str()));
    EXPECT_EQ("2", settings::IniFile(path).ReadValue("common", "language"));
    EXPECT_EQ(name, settings::IniFile(path).ReadValue("setting", "outputFolder"));
  }
}

// A language file is read in its own code page whatever the system's is;
// a byte-order mark overrides it.
TEST_F(IniFileTest, LanguageFilesAreReadInTheirOwnCodePage) {
  const std::string add = "\xE6\xB7\xBB\xE5\x8A\xA0";  // 添加
  struct Case {
    std::string file;
    unsigned codePage;
    std::string text;
  };
  const Case cases[] = {
      {"[frmMain]\r\nActionAdd=\xCC\xED\xBC\xD3(&A)...\r\n", 936, add + "(&A)..."},
      {"[frmMain]\r\nActionAdd=Vid\xE9os\r\n", 1252, "Vid\xC3\xA9os"},
      {"\xEF\xBB\xBF[frmMain]\r\nActionAdd=" + add + "\r\n", 936, add},
      {win::Utf16LeTextFile("[frmMain]\r\nActionAdd=" + add + "\r\n"), 1252, add},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Write(path, c.file);
    EXPECT_EQ(c.text, settings::IniFile(path, c.codePage).ReadValue("frmMain", "ActionAdd"));
  }
}

// A write the system refuses is reported, and the file is as it was.
TEST_F(IniFileTest, ARefusedWriteIsReportedAndChangesNothing) {
  const std::string old = "[setting]\r\noutputFolder=C:\\\r\n";
  Write(path, old);
  const win::UniqueHandle held(CreateFileW(win::Utf8ToWide(path).c_str(), GENERIC_READ,
                                           FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);
  settings::IniFile file(path);
  EXPECT_THROW(file.WriteString("setting", "outputFolder", FolderNames()[0]),
               settings::EIniFileException);
  EXPECT_EQ(old, Read(path));
}

}  // namespace
