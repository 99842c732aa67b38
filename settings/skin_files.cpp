#include "settings/skin_files.h"

namespace settings {

namespace {

// In the Skin menu's order.
constexpr const char* kSkinFileNames[kSkinCount] = {
    "Calmness.ssk",    "DiamondBlue.ssk", "DiamondGreen.ssk", "GlassGreen.ssk", "Longhorn.ssk",
    "MacOS.ssk",       "MP10.ssk",        "MSN.ssk",          "OneBlue.ssk",    "Silver.ssk",
    "SportsBlack.ssk", "SportsBlue.ssk",  "Midsummer.ssk",    "Emerald.ssk",    "Warm.ssk",
    "XPBlue.ssk",      "XPGreen.ssk",     "XPSilver.ssk",
};

}  // namespace

std::string SkinFilePath(int index) {
  if (index < 1 || index > kSkinCount) {
    index = kDefaultSkinIndex;
  }
  return std::string("skins\\") + kSkinFileNames[index - 1];
}

}  // namespace settings
