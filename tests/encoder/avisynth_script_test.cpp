#include "encoder/avisynth_script.h"

#include <gtest/gtest.h>

namespace encoder {
namespace {

TEST(AviSynthScript, RecognisesScriptsByExtension) {
  EXPECT_TRUE(IsAviSynthScript("C:\\Temp\\m9s.avs"));
  EXPECT_TRUE(IsAviSynthScript("C:\\Temp\\M9S.AvS"));
  EXPECT_FALSE(IsAviSynthScript("C:\\Temp\\m9s.avs.avi"));
  EXPECT_FALSE(IsAviSynthScript("C:\\Temp.avs\\clip"));
}

TEST(AviSynthScript, UnwrapsTheConvertersOneLineScript) {
  const std::pair<const char*, const char*> cases[] = {
      {"DirectShowSource(\"C:\\Video\\film.RMVB\",convertfps=true)\r\n", "C:\\Video\\film.RMVB"},
      {"DirectShowSource(\"C:\\My Videos\\a, b.mkv\",convertfps=true)\r\n",
       "C:\\My Videos\\a, b.mkv"},
      {"DirectShowSource(\"C:\\x.rm\",convertfps=true)", "C:\\x.rm"},  // no line end
      {"  directshowsource ( \"C:\\x.rm\" , ConvertFPS = True )\n\n", "C:\\x.rm"},
      {"DirectShowSource(\"C:\\x.rm\")\r\n", "C:\\x.rm"},
  };
  for (const auto& [script, path] : cases) {
    EXPECT_EQ(DirectShowSourcePath(script), std::optional<std::string>(path)) << script;
  }
}

TEST(AviSynthScript, LeavesEveryOtherScriptAlone) {
  const char* const cases[] = {
      "",
      "AviSource(\"C:\\x.avi\")\r\n",
      "DirectShowSource(\"C:\\x.rm\",convertfps=true)\r\nTrim(0, 100)\r\n",
      "DirectShowSource(\"C:\\x.rm\",fps=25)\r\n",
      "DirectShowSource(\"C:\\x.rm\",convertfps=true).Trim(0, 100)\r\n",
      "DirectShowSource(\"\",convertfps=true)\r\n",
      "DirectShowSource(\"C:\\x.rm,convertfps=true)\r\n",
      "DirectShowSource(C:\\x.rm)\r\n",
  };
  for (const char* script : cases) {
    EXPECT_EQ(DirectShowSourcePath(script), std::nullopt) << script;
  }
}

// The converter writes the script in UTF-8, so that any file name fits;
// a script in the ANSI code page still reads, through the decoder given.
TEST(AviSynthScript, ReadsTheScriptAsUtf8) {
  const auto fromAnsi = [](const std::string& bytes) { return "ansi:" + bytes; };
  const std::string chinese = "C:\\中文.mkv";
  const std::pair<std::string, std::string> cases[] = {
      {"DirectShowSource(\"C:\\x.rm\")", "DirectShowSource(\"C:\\x.rm\")"},
      {chinese, chinese},
      {"\xEF\xBB\xBF" + chinese, chinese},             // byte order mark dropped
      {"caf\xE9.rm", "ansi:caf\xE9.rm"},               // e acute in code page 1252
      {"\xE4\xB8.rm", "ansi:\xE4\xB8.rm"},             // cut short
      {"\xC0\xAF.rm", "ansi:\xC0\xAF.rm"},             // overlong
      {"\xED\xA0\x80.rm", "ansi:\xED\xA0\x80.rm"},     // surrogate
      {"\xF0\x9F\x8E\xAC.rm", "\xF0\x9F\x8E\xAC.rm"},  // beyond the BMP
  };
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(ScriptText(bytes, fromAnsi), text) << bytes;
  }
}

}  // namespace
}  // namespace encoder
