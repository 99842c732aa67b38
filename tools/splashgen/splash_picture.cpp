#include "tools/splashgen/splash_picture.h"

#include <algorithm>
#include <cmath>

#include "tools/skingen/raster.h"
#include "tools/splashgen/font_text.h"

namespace splashgen {

namespace {

using skingen::Hex;
using skingen::Rgb;

constexpr double kCardLeft = 10, kCardTop = 40, kCardRight = 410, kCardBottom = 290;
constexpr double kPhoneLeft = 292, kPhoneTop = 8, kPhoneRight = 380, kPhoneBottom = 178;

// Deep blue, lighter towards the top left as if lit from there.
Rgb CardColor(int x, int y) {
  const Rgb top = Hex(0x2A64A4), bottom = Hex(0x0C2340);
  const Rgb base = skingen::Mix(top, bottom, (y - kCardTop) / (kCardBottom - kCardTop));
  const double dx = (x - 60) / 260.0, dy = (y - 40) / 160.0;
  const double glow = std::max(0.0, 1.0 - std::sqrt(dx * dx + dy * dy));
  return skingen::Mix(base, Hex(0x5C9AD8), 0.35 * glow);
}

void DrawCard(image::Bitmap& picture) {
  skingen::PaintShape(picture, skingen::RoundRect(kCardLeft, kCardTop, kCardRight, kCardBottom, 18),
                      CardColor);
  // A thin light rim along the card's top edge.
  skingen::PaintShape(
      picture, 10, 40, 410, 44,
      skingen::Ring(
          skingen::RoundRect(kCardLeft, kCardTop, kCardRight, kCardBottom, 18),
          skingen::RoundRect(kCardLeft + 1, kCardTop + 1.5, kCardRight - 1, kCardBottom, 17)),
      skingen::Solid(Hex(0x7FB2E6)));
}

// A phone standing on the card and rising above it, a video on its screen.
void DrawPhone(image::Bitmap& picture) {
  skingen::PaintShape(picture,
                      skingen::RoundRect(kPhoneLeft, kPhoneTop, kPhoneRight, kPhoneBottom, 14),
                      skingen::VerticalGradient(Hex(0x3A4350), Hex(0x14181E), 8, 178));
  skingen::PaintShape(
      picture,
      skingen::RoundRect(kPhoneLeft + 2, kPhoneTop + 2, kPhoneRight - 2, kPhoneBottom - 2, 12),
      skingen::VerticalGradient(Hex(0x262D36), Hex(0x0B0E12), 10, 176));
  // Screen: an evening sky over hills.
  const double sl = kPhoneLeft + 10, st = kPhoneTop + 26, sr = kPhoneRight - 10, sb = 128;
  skingen::PaintShape(picture, skingen::RoundRect(sl, st, sr, sb, 3),
                      skingen::VerticalGradient(Hex(0xF6B44C), Hex(0xE0604A), 34, 128));
  skingen::PaintShape(picture, skingen::Ellipse(sl + 34, st + 18, sl + 56, st + 40),
                      skingen::Solid(Hex(0xFFE9A8)));
  skingen::PaintShape(
      picture,
      [=](double x, double y) {
        return x >= sl && x < sr && y < sb && y > sb - 22 + 9 * std::sin((x - sl) / 11.0);
      },
      skingen::Solid(Hex(0x3D2A4E)));
  // Play mark, speaker and button.
  skingen::PaintShape(picture,
                      skingen::Triangle(sl + 26, st + 54, sl + 26, st + 80, sl + 48, st + 67),
                      skingen::Solid(Hex(0xFFFFFF)));
  skingen::PaintShape(
      picture,
      skingen::RoundRect(kPhoneLeft + 32, kPhoneTop + 12, kPhoneRight - 32, kPhoneTop + 16, 2),
      skingen::Solid(Hex(0x59626E)));
  skingen::PaintShape(picture, skingen::Ellipse(326, 140, 346, 160), skingen::Solid(Hex(0x39414C)));
  skingen::PaintShape(picture, skingen::Ellipse(328, 142, 344, 158), skingen::Solid(Hex(0x1B2027)));
}

void DrawTexts(image::Bitmap& picture, const SplashTexts& texts, const std::string& fontFile) {
  FontText title(fontFile, 54, true);
  title.Draw(picture, 30, 122, "Vexmoor", Hex(0xFFFFFF));
  skingen::PaintShape(picture, skingen::RoundRect(32, 136, 150, 140, 2),
                      skingen::Solid(Hex(0xF5A623)));
  FontText tagline(fontFile, 17);
  tagline.Draw(picture, 32, 170, texts.tagline, Hex(0xDCE9F7));
  FontText small(fontFile, 13);
  small.Draw(picture, 32, 272, texts.starting, Hex(0x9CB8D8));
  const std::string site = "vexmoor.org";
  small.Draw(picture, static_cast<int>(kCardRight) - 22 - small.Width(site), 272, site,
             Hex(0x9CB8D8));
}

// What is left of the drawing surface becomes see-through grey; a drawn
// pixel that came out that grey by chance is moved off it.
void KeySeeThrough(image::Bitmap& picture) {
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const image::ColorRef pixel = picture.Pixel(x, y);
      if (pixel == skingen::kTransparent) {
        picture.SetPixel(x, y, kSeeThrough);
      } else if (pixel == kSeeThrough) {
        picture.SetPixel(x, y, kSeeThrough + 1);
      }
    }
  }
}

}  // namespace

image::Bitmap DrawSplash(const SplashTexts& texts, const std::string& fontFile) {
  image::Bitmap picture = skingen::TransparentPicture(kSplashWidth, kSplashHeight);
  DrawCard(picture);
  DrawPhone(picture);
  DrawTexts(picture, texts, fontFile);
  KeySeeThrough(picture);
  return picture;
}

}  // namespace splashgen
