#pragma once

#include <string>

namespace settings {

// The Skin menu's entries, 1 to 18, and the one used when the stored
// number is missing or out of range.
constexpr int kSkinCount = 18;
constexpr int kDefaultSkinIndex = 10;

// The skin file of entry `index` in the application folder: "skins\" and
// its name; skin 10's ("Silver.ssk") for a number outside 1 to 18.
std::string SkinFilePath(int index);

}  // namespace settings
