#include "settings/language_set.h"

#include "base/ascii_case.h"
#include "base/path_text.h"

namespace settings {

namespace {

constexpr LanguageSet kChinese = {
    "language\\gb.ini",
    936,
    "splash-gb.bmp",
    "Vexmoor_gb.chm",
    "https://vexmoor.org/zh/",
    "mailto:support-zh@vexmoor.org",
    "https://vexmoor.org/zh/contact/",
    "https://vexmoor.org/zh/download/",
};

constexpr LanguageSet kEnglish = {
    "language\\en.ini",
    1252,
    "splash-en.bmp",
    "Vexmoor.chm",
    "https://vexmoor.org/",
    "mailto:support@vexmoor.org",
    "https://vexmoor.org/feedback/",
    "https://vexmoor.org/download/",
};

constexpr const char* kAudioToolsUrl = "https://vexmoor.org/tools/audio/";
constexpr const char* kVideoToolsUrl = "https://vexmoor.org/tools/video/";

}  // namespace

const LanguageSet& ChooseLanguageSet(int languageId) {
  return languageId == kChineseLanguageId ? kChinese : kEnglish;
}

unsigned LanguageFileCodePage(const std::string& fileName) {
  const std::string name = base::ExtractFileName(fileName);
  const bool chinese =
      base::EqualIgnoringAsciiCase(name, base::ExtractFileName(kChinese.languageFile));
  return (chinese ? kChinese : kEnglish).languageFileCodePage;
}

std::string ProductPageUrl(int languageId, int entry) {
  if (entry < 1 || entry > kProductPageCount) {
    return {};
  }
  const LanguageSet& set = ChooseLanguageSet(languageId);
  if (languageId == kChineseLanguageId) {
    return set.homePageUrl;
  }
  switch (entry) {
    case 1:
    case 7:
      return kAudioToolsUrl;
    case 3:
    case 4:
      return set.homePageUrl;
    default:
      return kVideoToolsUrl;
  }
}

}  // namespace settings
