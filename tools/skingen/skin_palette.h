#pragma once

#include <array>

#include "skin/skin_keys.h"
#include "tools/skingen/color.h"
#include "tools/skingen/skin_description.h"

namespace skingen {

// The colours a skin is drawn with, derived once from its description.
struct Palette {
  Rgb titleTop;
  Rgb titleBottom;
  Rgb plateTop;  // behind the caption of a five-section title
  Rgb plateBottom;
  Rgb caption;
  Rgb form;
  Rgb accent;
  Rgb text;
  Rgb outline;
  Rgb frame;    // the body of the borders
  Rgb faceTop;  // control faces
  Rgb faceBottom;
  Rgb controlBorder;
  Rgb field;   // inside edits, boxes and channels
  Rgb trough;  // behind scroll-bar thumbs
  Rgb menu;
  bool dark;  // light text on dark forms
};

Palette MakePalette(const SkinDescription& skin);

// The 32 colours of the skin, by colour index.
std::array<Rgb, skin::kColorCount> SkinColors(const Palette& palette);

}  // namespace skingen
