#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace image {

// A colour number as the program stores colours: red in the low byte,
// then green, then blue (0x00BBGGRR).
using ColorRef = uint32_t;

// What Pixel answers outside the picture; no real colour has a high byte.
constexpr ColorRef kInvalidColor = 0xFFFFFFFF;

// A picture held as rows of 32-bit pixels, top row first, each pixel
// 0x00RRGGBB (in memory: blue, green, red, 0). That is the layout of a
// top-down 32 bits-per-pixel device-independent bitmap, so painters can
// hand the rows to the system as they are, and image operations can work
// on whole pixels. The colours are always full 24-bit colour whatever the
// picture came as; BitsPerPixel tells that original depth until the picture
// is converted to 24 bits per pixel.
class Bitmap {
 public:
  Bitmap() = default;
  // A black picture.
  Bitmap(int width, int height, int bitsPerPixel);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitsPerPixel() const { return bitsPerPixel_; }
  bool IsEmpty() const { return width_ == 0 || height_ == 0; }

  // kInvalidColor outside the picture.
  ColorRef Pixel(int x, int y) const;
  // Ignored outside the picture.
  void SetPixel(int x, int y, ColorRef color);

  uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }

  void ConvertTo24BitsPerPixel() { bitsPerPixel_ = 24; }

  // Fixed-colour transparency: when Transparent(), pixels of
  // TransparentColor() are not drawn.
  void SetTransparentColor(ColorRef color);
  ColorRef TransparentColor() const { return transparentColor_; }
  bool Transparent() const { return transparent_; }

 private:
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  int width_ = 0;
  int height_ = 0;
  int bitsPerPixel_ = 24;
  std::vector<uint32_t> pixels_;
  ColorRef transparentColor_ = 0;
  bool transparent_ = false;
};

// A colour number with a high byte is no colour of its own: a skin names a
// system colour with 0xFF there, and kInvalidColor says "none". Only a
// plain colour can be drawn as it stands.
constexpr bool IsPlainColor(ColorRef color) {
  return (color >> 24) == 0;
}

// Between colour numbers and pixels only red and blue change places.
constexpr uint32_t PixelFromColor(ColorRef color) {
  return (color & 0xFF) << 16 | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
constexpr ColorRef ColorFromPixel(uint32_t pixel) {
  return PixelFromColor(pixel);
}

}  // namespace image
