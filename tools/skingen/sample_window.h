#pragma once

#include <string>

#include "image/bitmap.h"
#include "skin/skin_reader.h"

namespace skingen {

// A window drawn with a loaded skin the way the program's frame and control
// painters draw it: title bar with caption and buttons, borders, the
// window's shape cut out (shown in `outside`), and a few controls.
image::Bitmap SampleWindow(const skin::TvxSkinReader& reader, const std::string& caption,
                           image::ColorRef outside);

}  // namespace skingen
