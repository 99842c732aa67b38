#include "tools/skingen/skin_description.h"

namespace skingen {

const std::vector<SkinDescription>& ShippedSkins() {
  using T = TitleLook;
  using B = ButtonLook;
  using O = Ornament;
  // clang-format off
  static const std::vector<SkinDescription> skins = {
    // name           title top  title bot  caption   form      accent    text      outline   title       buttons    h   top bot bdr ctl five   ornament    3-part
    {"Calmness",      0x9DBDB9, 0x789F9B, 0xFFFFFF, 0xEEF2F0, 0x5E9C95, 0x2F3E3C, 0x4F6F6B, T::kGradient, B::kBare,  24, 0,  0,  4,  3,  false, O::kSlant,    false},
    {"DiamondBlue",   0x3C74D6, 0x143E96, 0xFFFFFF, 0xE3EAF6, 0x2F8CFF, 0x14233F, 0x0B2460, T::kGlossy,   B::kBoxed, 28, 7,  0,  5,  3,  true,  O::kDiamonds, false},
    {"DiamondGreen",  0x3DAA66, 0x166B3A, 0xFFFFFF, 0xE2F1E7, 0x25B35A, 0x143321, 0x0B4424, T::kGlossy,   B::kBoxed, 28, 7,  0,  5,  3,  true,  O::kDiamonds, false},
    {"GlassGreen",    0x9AD9A8, 0x4FA865, 0x0F2E17, 0xEAF6EC, 0x38A852, 0x17301D, 0x3D7F4C, T::kGlass,    B::kBare,  26, 6,  0,  4,  4,  false, O::kSlant,    false},
    {"Longhorn",      0x4A5A6E, 0x1C2530, 0xFFFFFF, 0xE4E7EB, 0x59B24C, 0x1E252D, 0x10151B, T::kGlass,    B::kBoxed, 28, 4,  0,  5,  3,  true,  O::kWave,     false},
    {"MacOS",         0xEDEDED, 0xC4C4C4, 0x2A2A2A, 0xECECEC, 0x3B82D8, 0x1E1E1E, 0x8C8C8C, T::kBrushed,  B::kRound, 24, 6,  0,  3,  5,  false, O::kSlant,    false},
    {"MP10",          0x233A5E, 0x05080F, 0xDCEBFF, 0x1C2433, 0x3DA5FF, 0xD8E4F2, 0x000000, T::kGlossy,   B::kBare,  28, 8,  6,  5,  4,  true,  O::kWave,     true},
    {"MSN",           0xB5D4F4, 0x6FA1DD, 0x10305A, 0xF2F6FB, 0xF08A24, 0x1B2A3D, 0x4A78B0, T::kGlass,    B::kBoxed, 26, 5,  0,  4,  4,  false, O::kSlant,    false},
    {"OneBlue",       0x2B6CB0, 0x2B6CB0, 0xFFFFFF, 0xF3F6FA, 0x2B6CB0, 0x1A2430, 0x1F4F82, T::kFlat,     B::kBare,  26, 0,  0,  3,  0,  false, O::kSlant,    false},
    {"Silver",        0xE4E4E4, 0xB4B4B4, 0x1E1E1E, 0xDCDCDC, 0x5F86AE, 0x1C1C1C, 0x6E6E6E, T::kBrushed,  B::kBoxed, 26, 0,  0,  4,  0,  false, O::kSlant,    false},
    {"SportsBlack",   0x3A3A3A, 0x0A0A0A, 0xFFFFFF, 0x262626, 0xFF5A1F, 0xE8E8E8, 0x000000, T::kGlossy,   B::kBare,  27, 0,  0,  5,  2,  true,  O::kStripes,  true},
    {"SportsBlue",    0x1E4FA8, 0x0B2460, 0xFFFFFF, 0xE6ECF7, 0xFFC21A, 0x101C33, 0x061738, T::kGlossy,   B::kBoxed, 27, 0,  0,  5,  2,  true,  O::kStripes,  false},
    {"Midsummer",     0xFFE08A, 0xF2A93B, 0x4A2A00, 0xFFF8E8, 0x4FA83B, 0x3B2A10, 0xB7741A, T::kGradient, B::kRound, 25, 5,  0,  4,  5,  false, O::kSlant,    false},
    {"Emerald",       0x139A72, 0x07513E, 0xF6E7B0, 0xE6F2EE, 0xD4AF37, 0x0E2A22, 0x043328, T::kGlossy,   B::kBoxed, 26, 3,  0,  5,  3,  false, O::kSlant,    false},
    {"Warm",          0xD9804F, 0x9C4A25, 0xFFF4E6, 0xF6EEE3, 0xE0A030, 0x3A2418, 0x6B3318, T::kGradient, B::kBare,  25, 0,  0,  4,  3,  false, O::kSlant,    true},
    {"XPBlue",        0x3B8CF5, 0x0A4CC4, 0xFFFFFF, 0xECE9D8, 0xF5A623, 0x000000, 0x0831A0, T::kGlossy,   B::kBoxed, 30, 8,  0,  4,  3,  false, O::kSlant,    true},
    {"XPGreen",       0xA9C27A, 0x6E8A3C, 0xFFFFFF, 0xECEBE0, 0xE09A2E, 0x000000, 0x4B632A, T::kGlossy,   B::kBoxed, 30, 8,  0,  4,  3,  false, O::kSlant,    true},
    {"XPSilver",      0xF4F4F8, 0xB9B9C9, 0x202030, 0xEEEEF2, 0xE8A33D, 0x000000, 0x8A8AA0, T::kGlossy,   B::kBoxed, 30, 8,  0,  4,  3,  false, O::kSlant,    true},
  };
  // clang-format on
  return skins;
}

}  // namespace skingen
