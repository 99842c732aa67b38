#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "image/bitmap.h"
#include "tools/skingen/color.h"

namespace splashgen {

// Text drawn with an outline font through FreeType, anti-aliased over what
// the picture holds.
class FontText {
 public:
  // A face of the font file at a pixel size; bold thickens the outlines.
  FontText(const std::string& fontFile, int pixelSize, bool bold = false);
  ~FontText();
  FontText(const FontText&) = delete;
  FontText& operator=(const FontText&) = delete;

  // The advance of UTF-8 text, in pixels.
  int Width(std::string_view text);
  // Draws UTF-8 text with its baseline at y, starting at x.
  void Draw(image::Bitmap& picture, int x, int y, std::string_view text, const skingen::Rgb& color);

 private:
  struct Face;
  std::unique_ptr<Face> face_;
};

}  // namespace splashgen
