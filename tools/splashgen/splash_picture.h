#pragma once

#include <string>

#include "image/bitmap.h"

namespace splashgen {

// The program's splash picture is 420 x 300; its pure grey pixels are
// see-through, so the picture gives the splash window its shape.
constexpr int kSplashWidth = 420;
constexpr int kSplashHeight = 300;
constexpr image::ColorRef kSeeThrough = 0x808080;

struct SplashTexts {
  std::string tagline;
  std::string starting;
};

// A card with the product's name, the tagline and a phone playing a video,
// drawn with the outline font of fontFile.
image::Bitmap DrawSplash(const SplashTexts& texts, const std::string& fontFile);

}  // namespace splashgen
