#pragma once

#include <cstdint>
#include <vector>

namespace skingen {

// How the title bar is shaded from top to bottom.
enum class TitleLook {
  kGradient,  // one smooth gradient
  kGlossy,    // a bright upper half over a deeper lower half
  kGlass,     // a soft light band fading into the colour
  kBrushed,   // metal with fine horizontal streaks
  kFlat,      // one colour with a highlight line
};

// How the caption buttons are drawn.
enum class ButtonLook {
  kBoxed,  // rounded squares with a white or dark glyph; the close button in red
  kRound,  // coloured round buttons whose glyphs show when the mouse is over them
  kBare,   // glyphs only, a plate behind them when hot or pressed
};

// The piece of a five-section title between the caption and the filler.
enum class Ornament {
  kSlant,     // a slanted edge
  kStripes,   // a slanted edge with two racing stripes
  kDiamonds,  // a curved edge with a row of small diamonds
  kWave,      // a wavy edge
};

// One skin, as the generator draws it. Colours are written 0xRRGGBB.
struct SkinDescription {
  const char* name;
  uint32_t titleTop;
  uint32_t titleBottom;
  uint32_t caption;  // caption text
  uint32_t form;
  uint32_t accent;   // selections, progress, hot controls
  uint32_t text;     // text on forms and menus
  uint32_t outline;  // outer line of the frame
  TitleLook titleLook;
  ButtonLook buttons;
  int titleHeight;
  int topRadius;      // rounded top corners, cut out of the window's shape
  int bottomRadius;   // rounded bottom corners (needs a three-section bottom)
  int border;         // width of the side borders
  int controlRadius;  // corners of buttons, check boxes and tabs; 0 square
  bool fiveSections;
  Ornament ornament;
  bool threePartBottom;
};

// The eighteen skins the program ships, in its Skin menu order.
const std::vector<SkinDescription>& ShippedSkins();

}  // namespace skingen
