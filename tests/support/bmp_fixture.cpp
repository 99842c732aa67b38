#include "tests/support/bmp_fixture.h"

#include <utility>

#include "tools/skintools/byte_writer.h"

namespace test_support {

BmpSpec MakeSpec(int width, int height, uint16_t bitsPerPixel, std::vector<uint8_t> pixelData,
                 uint32_t compression, std::vector<uint32_t> palette) {
  BmpSpec spec;
  spec.width = width;
  spec.height = height;
  spec.bitsPerPixel = bitsPerPixel;
  spec.compression = compression;
  spec.palette = std::move(palette);
  spec.pixelData = std::move(pixelData);
  return spec;
}

std::vector<uint8_t> MakeBmp(const BmpSpec& spec) {
  const size_t entrySize = spec.headerSize == 12 ? 3 : 4;
  // Headers from version 2 on hold the masks as fields of their own.
  const bool masksInHeader = spec.headerSize >= 52;
  const size_t masksAfterHeader = masksInHeader ? 0 : 4 * spec.masks.size();
  const uint32_t pixelOffset = static_cast<uint32_t>(14 + spec.headerSize + masksAfterHeader +
                                                     entrySize * spec.palette.size());
  std::vector<uint8_t> file;
  skintools::ByteWriter out(file);
  out.Bytes("BM");
  out.U32(static_cast<uint32_t>(pixelOffset + spec.pixelData.size()));
  out.U32(0);
  out.U32(pixelOffset);
  out.U32(spec.headerSize);
  if (spec.headerSize == 12) {
    out.U16(static_cast<uint16_t>(spec.width));
    out.U16(static_cast<uint16_t>(spec.height));
    out.U16(1);
    out.U16(spec.bitsPerPixel);
  } else {
    out.U32(static_cast<uint32_t>(spec.width));
    out.U32(static_cast<uint32_t>(spec.height));
    out.U16(1);
    out.U16(spec.bitsPerPixel);
    out.U32(spec.compression);
    out.U32(static_cast<uint32_t>(spec.pixelData.size()));
    out.U32(2835);  // 72 dpi
    out.U32(2835);
    out.U32(static_cast<uint32_t>(spec.palette.size()));
    out.U32(0);
    if (masksInHeader) {
      for (uint32_t mask : spec.masks) {
        out.U32(mask);
      }
    }
    file.resize(14 + spec.headerSize);
  }
  if (!masksInHeader) {
    for (uint32_t mask : spec.masks) {
      out.U32(mask);
    }
  }
  for (uint32_t color : spec.palette) {
    out.U8(static_cast<uint8_t>(color));
    out.U8(static_cast<uint8_t>(color >> 8));
    out.U8(static_cast<uint8_t>(color >> 16));
    if (entrySize == 4) {
      out.U8(0);
    }
  }
  out.Bytes(spec.pixelData);
  return file;
}

std::vector<uint8_t> MakeBmp24(int width, int height, const std::vector<uint32_t>& pixels) {
  BmpSpec spec;
  spec.width = width;
  spec.height = height;
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  spec.pixelData.assign(stride * height, 0);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = &spec.pixelData[(height - 1 - y) * stride];
    for (int x = 0; x < width; ++x) {
      const uint32_t pixel = pixels[static_cast<size_t>(y) * width + x];
      row[3 * x] = static_cast<uint8_t>(pixel);
      row[3 * x + 1] = static_cast<uint8_t>(pixel >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(pixel >> 16);
    }
  }
  return MakeBmp(spec);
}

}  // namespace test_support
