#include "tools/splashgen/font_text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <stdexcept>
#include <vector>

namespace splashgen {

namespace {

std::vector<char32_t> CodePoints(std::string_view text) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length && i + k < text.size(); ++k) {
      point = point << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    points.push_back(point);
    i += length;
  }
  return points;
}

}  // namespace

struct FontText::Face {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  bool bold = false;

  ~Face() {
    if (face) {
      FT_Done_Face(face);
    }
    if (library) {
      FT_Done_FreeType(library);
    }
  }

  // Loads and renders one character into the glyph slot.
  FT_GlyphSlot Render(char32_t point) {
    if (FT_Load_Char(face, point, FT_LOAD_NO_BITMAP)) {
      throw std::runtime_error("the font has no glyph for U+" + std::to_string(point));
    }
    if (bold) {
      const FT_Pos strength = face->size->metrics.x_ppem * 3;
      FT_Outline_Embolden(&face->glyph->outline, strength);
      face->glyph->advance.x += strength;
    }
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL)) {
      throw std::runtime_error("a glyph cannot be rendered");
    }
    return face->glyph;
  }
};

FontText::FontText(const std::string& fontFile, int pixelSize, bool bold)
    : face_(std::make_unique<Face>()) {
  face_->bold = bold;
  if (FT_Init_FreeType(&face_->library) ||
      FT_New_Face(face_->library, fontFile.c_str(), 0, &face_->face) ||
      FT_Set_Pixel_Sizes(face_->face, 0, static_cast<FT_UInt>(pixelSize))) {
    throw std::runtime_error(fontFile + ": not a font FreeType can read");
  }
}

FontText::~FontText() = default;

int FontText::Width(std::string_view text) {
  long width = 0;
  for (char32_t point : CodePoints(text)) {
    width += face_->Render(point)->advance.x;
  }
  return static_cast<int>(width >> 6);
}

void FontText::Draw(image::Bitmap& picture, int x, int y, std::string_view text,
                    const skingen::Rgb& color) {
  long pen = static_cast<long>(x) << 6;
  for (char32_t point : CodePoints(text)) {
    const FT_GlyphSlot glyph = face_->Render(point);
    const FT_Bitmap& coverage = glyph->bitmap;
    const int left = static_cast<int>(pen >> 6) + glyph->bitmap_left;
    const int top = y - glyph->bitmap_top;
    for (unsigned row = 0; row < coverage.rows; ++row) {
      for (unsigned column = 0; column < coverage.width; ++column) {
        const int share = coverage.buffer[row * coverage.pitch + column];
        const int px = left + static_cast<int>(column);
        const int py = top + static_cast<int>(row);
        const image::ColorRef under = picture.Pixel(px, py);
        if (share == 0 || under == image::kInvalidColor) {
          continue;
        }
        picture.SetPixel(
            px, py,
            skingen::ToColorRef(skingen::Mix(skingen::FromColorRef(under), color, share / 255.0)));
      }
    }
    pen += glyph->advance.x;
  }
}

}  // namespace splashgen
