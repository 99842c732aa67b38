#include "conversion/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace conversion {
namespace {

namespace fs = std::filesystem;

const CommandLineFolders kFolders{"C:\\WINDOWS\\system32\\", "C:\\Temp\\"};

TEST(CommandLine, DefaultSettingsGiveTheWorkedExample) {
  EXPECT_EQ(BuildCommandLine({}, "C:\\Video\\clip.avi", "D:\\Out\\clip.3gp", kFolders),
            "C:\\WINDOWS\\system32\\libm9s -i C:\\Video\\clip.avi  -f 3gp -b 120 -r 14.98 "
            "-s 176x144 -ar 8000 -ab 32 -ac 1 -y D:\\Out\\clip.3gp");
}

TEST(CommandLine, PathsWithBlanksAreWrittenUnquoted) {
  EXPECT_EQ(BuildCommandLine({}, "C:\\My Videos\\a b.avi", "D:\\Out Dir\\a b.3gp", kFolders),
            "C:\\WINDOWS\\system32\\libm9s -i C:\\My Videos\\a b.avi  -f 3gp -b 120 -r 14.98 "
            "-s 176x144 -ar 8000 -ab 32 -ac 1 -y D:\\Out Dir\\a b.3gp");
}

TEST(CommandLine, EverySettingReachesItsOption) {
  struct Case {
    ConversionSettings settings;
    std::string expectedOptions;
  };
  const Case cases[] = {
      {{0, 1, 0, 0, 0, 0}, "-b 40 -r 23.98 -s 128x96 -ar 8000 -ab 12 -ac 1"},
      {{1, 2, 2, 10, 0, 0}, "-b 80 -r 25.00 -s 352x288 -ar 8000 -ab 96 -ac 1"},
      {{3, 3, 3, 17, 0, 1}, "-b 256 -r 29.97 -s 704x576 -ar 8000 -ab 320 -ac 2"},
      {{4, 0, 4, 12, 0, 0}, "-b 512 -r 14.98 -s 1408x1152 -ar 8000 -ab 128 -ac 1"},
  };
  for (const Case& c : cases) {
    const std::string line = BuildCommandLine(c.settings, "in.avi", "out.3gp", {"S\\", "T\\"});
    EXPECT_EQ(line, "S\\libm9s -i in.avi  -f 3gp " + c.expectedOptions + " -y out.3gp");
  }
}

TEST(CommandLine, FrameRatesRoundHalfUpOnTheStoredDouble) {
  const std::pair<double, const char*> cases[] = {
      {14.985, "14.98"}, {23.975, "23.98"}, {25.0, "25.00"},    {29.97, "29.97"}, {0.005, "0.01"},
      {0.004, "0.00"},   {9.995, "9.99"},   {99.995, "100.00"}, {1e-9, "0.00"},   {120.0, "120.00"},
  };
  for (const auto& [rate, expected] : cases) {
    EXPECT_EQ(FormatFrameRate(rate), expected) << rate;
  }
}

TEST(CommandLine, AudioBitrateMapCoversEveryItem) {
  ASSERT_EQ(AudioBitrateItems().size(), 18u);
  for (int i = 0; i < 18; ++i) {
    EXPECT_EQ(std::to_string(GetAudioBitrate(i)),
              AudioBitrateItems()[i].substr(0, AudioBitrateItems()[i].find('K')));
  }
  EXPECT_THROW(GetAudioBitrate(18), std::out_of_range);
}

TEST(CommandLine, ScriptIsUsedForRealMediaAndMkvInAnyCase) {
  const std::pair<const char*, bool> cases[] = {
      {"C:\\v\\clip.rm", true},  {"C:\\v\\clip.Rm", true},      {"C:\\v\\film.RMVB", true},
      {"C:\\v\\a.mkv", true},    {"C:\\v\\clip.rm.avi", false}, {"C:\\v\\clip.avs", false},
      {"C:\\v.rm\\clip", false}, {"C:\\v\\clip", false},        {"C:\\v\\clip.rmv", false},
  };
  for (const auto& [path, expected] : cases) {
    EXPECT_EQ(NeedsScript(path), expected) << path;
  }
}

class ScriptFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("vexmoor-cmdline-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
    folders_ = {"C:\\WINDOWS\\system32\\", folder_.string() + "/"};
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string ReadScript() const {
    std::ifstream in(folder_ / "m9s.avs", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path folder_;
  CommandLineFolders folders_;
};

TEST_F(ScriptFile, RealMediaInputGoesThroughTheScript) {
  const std::string line =
      BuildCommandLine({}, "C:\\Video\\film.RMVB", "D:\\Out\\film.3gp", folders_);
  EXPECT_EQ(line, "C:\\WINDOWS\\system32\\libm9s -i " + folders_.tempFolder +
                      "m9s.avs  -f 3gp -b 120 -r 14.98 -s 176x144 -ar 8000 -ab 32 -ac 1 -y "
                      "D:\\Out\\film.3gp");
  EXPECT_EQ(ReadScript(), "DirectShowSource(\"C:\\Video\\film.RMVB\",convertfps=true)\r\n");
}

TEST_F(ScriptFile, EachInputRewritesTheScript) {
  BuildCommandLine({}, "C:\\a long name\\first.mkv", "o.3gp", folders_);
  BuildCommandLine({}, "C:\\b.mkv", "o.3gp", folders_);
  EXPECT_EQ(ReadScript(), "DirectShowSource(\"C:\\b.mkv\",convertfps=true)\r\n");
}

TEST_F(ScriptFile, OtherInputsLeaveTheScriptAlone) {
  BuildCommandLine({}, "C:\\a.avi", "o.3gp", folders_);
  EXPECT_FALSE(fs::exists(folder_ / "m9s.avs"));
}

TEST_F(ScriptFile, UnwritableScriptRaisesAnInputOutputError) {
  fs::create_directory(folder_ / "m9s.avs");  // a folder where the file should go
  EXPECT_THROW(BuildCommandLine({}, "C:\\a.rm", "o.3gp", folders_), EInOutError);
  CommandLineFolders missing{"S\\", (folder_ / "no such folder").string() + "/"};
  EXPECT_THROW(BuildCommandLine({}, "C:\\a.rm", "o.3gp", missing), EInOutError);
}

}  // namespace
}  // namespace conversion
