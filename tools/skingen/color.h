#pragma once

#include <algorithm>
#include <cstdint>

#include "image/bitmap.h"

namespace skingen {

// A colour for drawing arithmetic, channels 0 to 255.
struct Rgb {
  double r = 0;
  double g = 0;
  double b = 0;
};

// From the web notation 0xRRGGBB that the skin descriptions are written in.
constexpr Rgb Hex(uint32_t rrggbb) {
  return {static_cast<double>((rrggbb >> 16) & 0xFF), static_cast<double>((rrggbb >> 8) & 0xFF),
          static_cast<double>(rrggbb & 0xFF)};
}

inline Rgb Mix(const Rgb& a, const Rgb& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Rgb Lighter(const Rgb& c, double t) {
  return Mix(c, {255, 255, 255}, t);
}
inline Rgb Darker(const Rgb& c, double t) {
  return Mix(c, {0, 0, 0}, t);
}
inline double Luma(const Rgb& c) {
  return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

inline uint8_t Channel(double value) {
  return static_cast<uint8_t>(std::clamp(value + 0.5, 0.0, 255.0));
}

// The skin's colour number (0x00BBGGRR).
inline image::ColorRef ToColorRef(const Rgb& c) {
  return static_cast<image::ColorRef>(Channel(c.r)) |
         static_cast<image::ColorRef>(Channel(c.g)) << 8 |
         static_cast<image::ColorRef>(Channel(c.b)) << 16;
}
inline Rgb FromColorRef(image::ColorRef color) {
  return {static_cast<double>(color & 0xFF), static_cast<double>((color >> 8) & 0xFF),
          static_cast<double>((color >> 16) & 0xFF)};
}

// Every skin's transparent colour: pure magenta survives a 24-bit BMP
// exactly and appears in no drawing.
constexpr image::ColorRef kTransparent = 0xFF00FF;

}  // namespace skingen
