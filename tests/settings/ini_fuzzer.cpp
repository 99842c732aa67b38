// libFuzzer target: arbitrary bytes as config.ini or a language file, read
// with the program's text rules: every key the program looks up, each
// value cut and unquoted as the platform's reader hands it out, and the
// integer settings read from theirs. Nothing may fail, and no value may
// pass the reader's length limit.
#include <cstdint>
#include <optional>
#include <string>

#include "base/path_text.h"
#include "settings/language_keys.h"
#include "settings/language_set.h"
#include "settings/profile_integer.h"
#include "settings/profile_text.h"
#include "settings/skin_files.h"
#include "tests/support/ini_text.h"

namespace {

size_t Utf8Length(const std::string& text) {
  size_t characters = 0;
  for (char c : text) {
    characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }
  return characters;
}

std::optional<std::string> Lookup(const test_support::IniText& ini, const std::string& section,
                                  const std::string& key) {
  const auto found = ini.sections.find(section);
  if (found == ini.sections.end()) {
    return std::nullopt;
  }
  const std::optional<std::string> value = found->second.Value(key);
  if (value && Utf8Length(*value) > settings::kMaxProfileValueLength) {
    __builtin_trap();
  }
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const test_support::IniText ini =
      test_support::ParseIniText(std::string(reinterpret_cast<const char*>(data), size));
  for (const settings::LanguageKey& key : settings::LanguageKeys()) {
    Lookup(ini, base::LowerCase(key.section), key.key);
  }
  if (const auto language = Lookup(ini, "common", "language")) {
    settings::ChooseLanguageSet(
        settings::ParseProfileInteger(*language).value_or(settings::kDefaultLanguageId));
  }
  if (const auto skin = Lookup(ini, "skin", "skin")) {
    settings::SkinFilePath(
        settings::ParseProfileInteger(*skin).value_or(settings::kDefaultSkinIndex));
  }
  Lookup(ini, "setting", "outputFolder");
  return 0;
}
