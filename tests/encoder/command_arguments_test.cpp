#include "encoder/command_arguments.h"

#include <gtest/gtest.h>

namespace encoder {
namespace {

constexpr char kOptions[] = "-f 3gp -b 120 -r 14.98 -s 176x144 -ar 8000 -ab 32 -ac 1";

TEST(CommandArguments, ReadsTheConvertersDefaultLine) {
  const EncoderRequest request = ParseCommandLine(
      "C:\\WINDOWS\\system32\\libm9s -i C:\\Video\\clip.avi  -f 3gp -b 120 "
      "-r 14.98 -s 176x144 -ar 8000 -ab 32 -ac 1 -y D:\\Out\\clip.3gp");
  EXPECT_EQ(request.inputPath, "C:\\Video\\clip.avi");
  EXPECT_EQ(request.outputPath, "D:\\Out\\clip.3gp");
  EXPECT_EQ(request.format, "3gp");
  EXPECT_EQ(request.videoBitrate, 120);
  EXPECT_EQ(request.frameRate, "14.98");
  EXPECT_EQ(request.frameSize, "176x144");
  EXPECT_EQ(request.sampleRate, 8000);
  EXPECT_EQ(request.audioBitrate, 32);
  EXPECT_EQ(request.channels, 1);
}

TEST(CommandArguments, PathsAreTakenByTheShapeOfTheLine) {
  const std::string options = kOptions;
  const std::string cases[][3] = {
      // Blanks, and runs of blanks, inside both paths.
      {"libm9s -i C:\\My Videos\\a  b.avi  " + options + " -y D:\\Out Dir\\a  b.3gp",
       "C:\\My Videos\\a  b.avi", "D:\\Out Dir\\a  b.3gp"},
      // An unquoted program path with blanks, and a quoted one.
      {"C:\\Program Files\\x\\libm9s -i in.avi  " + options + " -y out.3gp", "in.avi", "out.3gp"},
      {"\"C:\\a -i b\\libm9s.exe\" -i in.avi  " + options + " -y out.3gp", "in.avi", "out.3gp"},
      // An input path that holds "  -f " itself.
      {"libm9s -i C:\\odd  -f dir\\in.avi  " + options + " -y out.3gp", "C:\\odd  -f dir\\in.avi",
       "out.3gp"},
      // An output path that holds " -y " and option-like words.
      {"libm9s -i in.avi  " + options + " -y D:\\x -y -b 5\\out.3gp", "in.avi",
       "D:\\x -y -b 5\\out.3gp"},
  };
  for (const auto& [line, input, output] : cases) {
    const EncoderRequest request = ParseCommandLine(line);
    EXPECT_EQ(request.inputPath, input) << line;
    EXPECT_EQ(request.outputPath, output) << line;
  }
}

TEST(CommandArguments, TheFrameSizeSlotMayBeEmpty) {
  const EncoderRequest request = ParseCommandLine(
      "libm9s -i in.avi  -f 3gp -b 120 -r 14.98  -ar 8000 -ab 32 -ac 1 -y out.3gp");
  EXPECT_EQ(request.frameSize, "");
  EXPECT_EQ(request.sampleRate, 8000);
}

TEST(CommandArguments, RefusesLinesItCannotTake) {
  const std::pair<std::string, const char*> cases[] = {
      {"libm9s", "missing -i"},
      {"libm9s -i in.avi -f 3gp -b 120 -r 14.98 -ar 8000 -ab 32 -ac 1 -y out.3gp", "two blanks"},
      {"libm9s -i   -f 3gp -b 120 -r 14.98 -ar 8000 -ab 32 -ac 1 -y out.3gp",
       "missing the input path"},
      {"libm9s -i in.avi  -f 3gp -b 120 -z 5 -r 14.98 -ar 8000 -ab 32 -ac 1 -y out.3gp",
       "unknown option -z"},
      {"libm9s -i in.avi  -f 3gp -b 120 -r 14.98 -ar 8000 -ab 32 -ac 1", "missing -y"},
      {"libm9s -i in.avi  -f 3gp -b 120 -r 14.98 -ar 8000 -ab 32 -ac 1 -y ", "missing the output"},
      {"libm9s -i in.avi  -f 3gp -b 120 -r 14.98 -ar 8000 -ab 32 -y out.3gp", "missing option -ac"},
      {"libm9s -i in.avi  -f 3gp -b 120 -b 80 -r 14.98 -ar 8000 -ab 32 -ac 1 -y o",
       "-b is given twice"},
      {"libm9s -i in.avi  -f 3gp -b 12k -r 14.98 -ar 8000 -ab 32 -ac 1 -y out.3gp", "value for -b"},
      {"libm9s -i in.avi  -f 3gp -b 0 -r 14.98 -ar 8000 -ab 32 -ac 1 -y out.3gp", "value for -b"},
      {"libm9s -i in.avi  -f 3gp -b 120 -r 0.00 -ar 8000 -ab 32 -ac 1 -y out.3gp", "value for -r"},
      {"libm9s -i in.avi  -f 3gp -b 120 -r 1.2.3 -ar 8000 -ab 32 -ac 1 -y out.3gp", "value for -r"},
      {"libm9s -i in.avi  -f 3gp -b 120 -r 14.98 -s 176 -ar 8000 -ab 32 -ac 1 -y o",
       "value for -s"},
      {"libm9s -i in.avi  -f 3gp -b 120 -r 14.98 -ar 8000 -ab 32 -ac -y out.3gp", "value for -ac"},
      {"libm9s -i in.avi  -f 3gp -b 120 -r 14.98 -ar 99999999999 -ab 32 -ac 1 -y o",
       "value for -ar"},
  };
  for (const auto& [line, message] : cases) {
    try {
      ParseCommandLine(line);
      ADD_FAILURE() << "accepted: " << line;
    } catch (const CommandLineError& error) {
      EXPECT_NE(std::string(error.what()).find(message), std::string::npos)
          << line << "\n  said: " << error.what();
    }
  }
}

}  // namespace
}  // namespace encoder
