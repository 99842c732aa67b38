#pragma once

namespace skin_test {

// The skins the program ships, in the order of its Skin menu; each is
// "<name>.ssk".
inline constexpr const char* kShippedSkinNames[] = {
    "Calmness",  "DiamondBlue", "DiamondGreen", "GlassGreen", "Longhorn",    "MacOS",
    "MP10",      "MSN",         "OneBlue",      "Silver",     "SportsBlack", "SportsBlue",
    "Midsummer", "Emerald",     "Warm",         "XPBlue",     "XPGreen",     "XPSilver",
};

}  // namespace skin_test
