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
  for (const auto& [script, path] : cases)
    EXPECT_EQ(DirectShowSourcePath(script), std::optional<std::string>(path)) << script;
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
  for (const char* script : cases)
    EXPECT_EQ(DirectShowSourcePath(script), std::nullopt) << script;
}

}  // namespace
}  // namespace encoder
