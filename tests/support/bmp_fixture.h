#pragma once

#include <cstdint>
#include <vector>

namespace test_support {

// What a BMP file built for a test holds; the pixel data is given as stored.
struct BmpSpec {
  int32_t width = 1;
  int32_t height = 1;  // negative: rows stored top-down
  uint16_t bitsPerPixel = 24;
  uint32_t compression = 0;       // BI_RGB, BI_RLE8, BI_RLE4, BI_BITFIELDS
  uint32_t headerSize = 40;       // 12 for a BITMAPCOREHEADER
  std::vector<uint32_t> palette;  // 0x00RRGGBB
  std::vector<uint32_t> masks;    // red, green, blue: after a 40-byte header, in longer ones
  std::vector<uint8_t> pixelData;
};

// The fields most tests set; the rest keep their defaults.
BmpSpec MakeSpec(int width, int height, uint16_t bitsPerPixel, std::vector<uint8_t> pixelData,
                 uint32_t compression = 0, std::vector<uint32_t> palette = {});

std::vector<uint8_t> MakeBmp(const BmpSpec& spec);

// A 24-bit bottom-up BMP of `pixels` (0x00RRGGBB, top row first).
std::vector<uint8_t> MakeBmp24(int width, int height, const std::vector<uint32_t>& pixels);

}  // namespace test_support
