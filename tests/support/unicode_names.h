#pragma once

// Names a user may give, for every way a name enters and leaves the
// program: Cyrillic, Chinese, accented Latin, a character outside the
// Basic Multilingual Plane (a surrogate pair in UTF-16) and blanks. No one
// code page holds them all; 1252 holds the accented one, 936 the Chinese
// and Cyrillic one. Each is a valid file name.
namespace test_support {

inline constexpr const char* kUnicodeNames[] = {
    "\xD0\x92\xD0\xB8\xD0\xB4\xD0\xB5\xD0\xBE \xE8\xA7\x86\xE9\xA2\x91",  // Видео 视频
    "Vid\xC3\xA9os de No\xC3\xABl",                                       // Vidéos de Noël
    "\xF0\x9F\x8E\xAC  two  blanks",                                      // 🎬  two  blanks
    "\xE8\xA7\x86\xE9\xA2\x91 \xD0\xBA\xD0\xBB\xD0\xB8\xD0\xBF",          // 视频 клип
};

}  // namespace test_support
