#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/bitmap.h"

namespace image {

// The error text of a picture that does not decode.
extern const char kInvalidBitmapText[];

// Decodes a Windows BMP file (file header, then a device-independent
// bitmap): 1, 4, 8, 16, 24 or 32 bits per pixel; uncompressed, with bit-field
// colour masks, or run-length encoded (RLE8, RLE4); rows stored bottom-up or
// top-down. Throws std::runtime_error with kInvalidBitmapText otherwise.
Bitmap DecodeBmp(const uint8_t* data, size_t size);

// The one exit of the BMP decoder for data it cannot decode.
[[noreturn]] void FailInvalidBitmap();

// The palette colour of an index; black for an index past the palette's
// end, as the system draws it.
inline uint32_t PaletteColor(const std::vector<uint32_t>& palette, size_t index) {
  return index < palette.size() ? palette[index] : 0;
}

}  // namespace image
