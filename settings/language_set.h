#pragma once

#include <string>

namespace settings {

// [common] language: 1 chooses the Chinese set, anything else the English
// one; a missing or unreadable value is 2.
constexpr int kChineseLanguageId = 1;
constexpr int kDefaultLanguageId = 2;

// The seven entries of the Tools menu's other-products submenu.
constexpr int kProductPageCount = 7;

// The resources that depend on the language: the files beside the
// program, named relative to its folder, and the project's addresses.
struct LanguageSet {
  const char* languageFile;
  // The code page the language file is stored in, whatever the system's.
  unsigned languageFileCodePage;
  const char* splashFile;
  const char* helpFile;
  const char* homePageUrl;
  const char* supportMailUrl;
  const char* feedbackUrl;
  // Where new versions are published, for the updater.
  const char* downloadPageUrl;
};

const LanguageSet& ChooseLanguageSet(int languageId);

// The code page of a language file, by its name (any folder, any letter
// case): that of the set whose file it is, the English set's for others.
unsigned LanguageFileCodePage(const std::string& fileName);

// The page of entry 1 to 7 of the Tools menu's other products: the home
// page for every entry in Chinese; in English entries 3 and 4 show the
// home page, 1 and 7 the audio tools, 2, 5 and 6 the video tools. Empty
// for an entry outside 1 to 7.
std::string ProductPageUrl(int languageId, int entry);

}  // namespace settings
