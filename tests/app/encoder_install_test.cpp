// The encoder copied out of its carrier at the first showing: only when
// missing, whole or not at all.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/app/program_fixture.h"
#include "win/code_page.h"

namespace app_test {
namespace {

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(win::Utf8ToWide(folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    return names;
  }
  do {
    const std::string name = win::WideToUtf8(found.cFileName);
    if (name != "." && name != "..") {
      names.push_back(name);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

std::string Trailer(std::uint32_t count) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) {
    bytes += static_cast<char>((count >> shift) & 0xFF);
  }
  return bytes;
}

TEST(EncoderInstallTest, FirstShowingCopiesTheEncoderOutOfItsCarrier) {
  const ScratchInstallation installation;
  const std::string encoder = installation.InstallFakeEncoderCarrier();
  ProgramWindows windows(installation);
  windows.Show();
  EXPECT_EQ(encoder, ReadFile(installation.EncoderPath()));
  EXPECT_EQ(std::vector<std::string>{"libm9s.exe"}, FilesIn(installation.SystemFolder()));
  EXPECT_TRUE(windows.errors.empty());
}

// Whatever stands there is kept, and the carrier is not needed.
TEST(EncoderInstallTest, PresentEncoderIsKeptAsItIs) {
  const ScratchInstallation installation;
  WriteFile(installation.EncoderPath(), "an older encoder");
  ProgramWindows windows(installation);
  windows.Show();
  EXPECT_EQ("an older encoder", ReadFile(installation.EncoderPath()));
  EXPECT_TRUE(windows.errors.empty());
}

TEST(EncoderInstallTest, CarrierTrailerDecidesWhatIsCopied) {
  struct Case {
    const char* name;
    std::string carrier;  // empty: no carrier file
    bool copied;
    std::string expected;
  };
  const Case cases[] = {
      {"after a header", "header" + std::string("ABC") + Trailer(7), true, "ABC"},
      {"the whole carrier", "ABC" + Trailer(7), true, "ABC"},
      {"count past the carrier's size", "ABC" + Trailer(8), false, ""},
      {"count far past it", "ABC" + Trailer(0x7FFFFFFF), false, ""},
      {"nothing carried", "ABC" + Trailer(4), false, ""},
      {"count of zero", "ABC" + Trailer(0), false, ""},
      {"negative count", "ABC" + Trailer(0xFFFFFFF0), false, ""},
      {"shorter than a trailer", "ABC", false, ""},
      {"no carrier", "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ScratchInstallation installation;
    const std::string carrier = installation.AppFolder() + "plug.exe";
    if (!c.carrier.empty()) {
      WriteFile(carrier, c.carrier);
    }
    EXPECT_EQ(c.copied, app::TfrmCommon::ExtractAppendedFile(carrier, installation.EncoderPath()));
    EXPECT_EQ(c.copied ? std::vector<std::string>{"libm9s.exe"} : std::vector<std::string>{},
              FilesIn(installation.SystemFolder()));
    if (c.copied) {
      EXPECT_EQ(c.expected, ReadFile(installation.EncoderPath()));
    }
  }
}

// A destination that cannot take the file leaves nothing behind, not even
// the temporary file; one that exists is replaced.
TEST(EncoderInstallTest, DestinationIsReplacedWholeOrLeftAlone) {
  const ScratchInstallation installation;
  const std::string carrier = installation.AppFolder() + "plug.exe";
  WriteFile(carrier, "ABC" + Trailer(7));
  const std::string system = installation.SystemFolder();

  EXPECT_FALSE(app::TfrmCommon::ExtractAppendedFile(carrier, system + "missing\\libm9s.exe"));
  EXPECT_TRUE(FilesIn(system).empty());

  CreateDirectoryW(win::Utf8ToWide(system + "libm9s.exe").c_str(), nullptr);
  EXPECT_FALSE(app::TfrmCommon::ExtractAppendedFile(carrier, system + "libm9s.exe"));
  EXPECT_EQ(std::vector<std::string>{"libm9s.exe"}, FilesIn(system));
  EXPECT_TRUE(FilesIn(system + "libm9s.exe\\").empty());
  RemoveDirectoryW(win::Utf8ToWide(system + "libm9s.exe").c_str());

  WriteFile(installation.EncoderPath(), "a damaged encoder, longer than the new one");
  EXPECT_TRUE(app::TfrmCommon::ExtractAppendedFile(carrier, installation.EncoderPath()));
  EXPECT_EQ("ABC", ReadFile(installation.EncoderPath()));
  EXPECT_EQ(std::vector<std::string>{"libm9s.exe"}, FilesIn(system));
}

}  // namespace
}  // namespace app_test
