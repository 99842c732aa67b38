#include "image/bmp_decoder.h"

#include <algorithm>
#include <stdexcept>

#include "base/little_endian.h"
#include "image/bmp_run_length.h"

namespace image {

const char kInvalidBitmapText[] = "Bitmap image is not valid";

void FailInvalidBitmap() {
  throw std::runtime_error(kInvalidBitmapText);
}

namespace {

constexpr uint32_t kUncompressed = 0;  // BI_RGB
constexpr uint32_t kRunLength8 = 1;    // BI_RLE8
constexpr uint32_t kRunLength4 = 2;    // BI_RLE4
constexpr uint32_t kBitFields = 3;     // BI_BITFIELDS

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kCoreHeaderSize = 12;  // BITMAPCOREHEADER
constexpr size_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER; later versions only add fields
constexpr size_t kHeaderWithMasksSize = 52;

// Skin pictures are small. The cap stops a few bytes of run-length data,
// which may skip any number of pixels, from asking for a huge picture.
constexpr uint64_t kMaxPixels = uint64_t{1} << 24;

// One colour channel of a 16- or 32-bit pixel: a run of set mask bits.
class ChannelMask {
 public:
  explicit ChannelMask(uint32_t mask) {
    if (mask == 0) {
      return;
    }
    while ((mask >> shift_ & 1) == 0) {
      ++shift_;
    }
    max_ = mask >> shift_;
    if ((max_ & (max_ + 1)) != 0) {
      FailInvalidBitmap();
    }
  }

  // The channel scaled to 0-255.
  uint32_t Extract(uint32_t pixel) const {
    if (max_ == 0) {
      return 0;
    }
    const uint64_t value = (pixel >> shift_) & max_;
    return static_cast<uint32_t>((value * 255 + max_ / 2) / max_);
  }

 private:
  unsigned shift_ = 0;
  uint32_t max_ = 0;
};

struct ColorMasks {
  ChannelMask red;
  ChannelMask green;
  ChannelMask blue;

  uint32_t Pixel(uint32_t value) const {
    return red.Extract(value) << 16 | green.Extract(value) << 8 | blue.Extract(value);
  }
};

struct BmpHeader {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitsPerPixel = 0;
  uint32_t compression = kUncompressed;
  uint32_t colorsUsed = 0;
  size_t infoSize = 0;
  size_t paletteEntrySize = 4;
};

BmpHeader ReadInfoHeader(const uint8_t* info, size_t infoSize) {
  BmpHeader header;
  header.infoSize = infoSize;
  int64_t height = 0;
  unsigned planes = 0;
  if (infoSize == kCoreHeaderSize) {
    header.width = base::ReadLittleEndian16(info + 4);
    height = base::ReadLittleEndian16(info + 6);
    planes = base::ReadLittleEndian16(info + 8);
    header.bitsPerPixel = base::ReadLittleEndian16(info + 10);
    header.paletteEntrySize = 3;
  } else if (infoSize >= kInfoHeaderSize) {
    header.width = static_cast<int32_t>(base::ReadLittleEndian32(info + 4));
    height = static_cast<int32_t>(base::ReadLittleEndian32(info + 8));
    planes = base::ReadLittleEndian16(info + 12);
    header.bitsPerPixel = base::ReadLittleEndian16(info + 14);
    header.compression = base::ReadLittleEndian32(info + 16);
    header.colorsUsed = base::ReadLittleEndian32(info + 32);
  } else {
    FailInvalidBitmap();
  }
  header.topDown = height < 0;
  height = height < 0 ? -height : height;
  if (planes != 1 || header.width <= 0 || height == 0 ||
      static_cast<uint64_t>(header.width) * static_cast<uint64_t>(height) > kMaxPixels) {
    FailInvalidBitmap();
  }
  header.height = static_cast<int>(height);
  return header;
}

void CheckFormat(const BmpHeader& header) {
  const int bpp = header.bitsPerPixel;
  bool supported = false;
  switch (header.compression) {
    case kUncompressed:
      supported = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
      break;
    case kRunLength8:
      supported = bpp == 8 && !header.topDown;
      break;
    case kRunLength4:
      supported = bpp == 4 && !header.topDown;
      break;
    case kBitFields:
      supported = bpp == 16 || bpp == 32;
      break;
  }
  if (!supported) {
    FailInvalidBitmap();
  }
}

// A BITMAPINFOHEADER with bit fields is followed by its three masks; later
// headers hold them at the same place as fields of their own.
ColorMasks ReadColorMasks(const BmpHeader& header, const uint8_t* info, size_t available) {
  if (header.compression != kBitFields) {
    return header.bitsPerPixel == 16
               ? ColorMasks{ChannelMask(0x7C00), ChannelMask(0x03E0), ChannelMask(0x001F)}
               : ColorMasks{ChannelMask(0xFF0000), ChannelMask(0xFF00), ChannelMask(0xFF)};
  }
  if (available < kHeaderWithMasksSize) {
    FailInvalidBitmap();
  }
  return ColorMasks{ChannelMask(base::ReadLittleEndian32(info + 40)),
                    ChannelMask(base::ReadLittleEndian32(info + 44)),
                    ChannelMask(base::ReadLittleEndian32(info + 48))};
}

// The colour table follows the header (and the masks of a BITMAPINFOHEADER).
std::vector<uint32_t> ReadPalette(const BmpHeader& header, const uint8_t* info, size_t available) {
  if (header.bitsPerPixel > 8) {
    return {};
  }
  const size_t maxColors = size_t{1} << header.bitsPerPixel;
  const size_t colors =
      header.colorsUsed == 0 ? maxColors : std::min<size_t>(header.colorsUsed, maxColors);
  size_t offset = header.infoSize;
  if (header.compression == kBitFields && header.infoSize == kInfoHeaderSize) {
    offset += 12;
  }
  if (offset > available || colors * header.paletteEntrySize > available - offset) {
    FailInvalidBitmap();
  }
  std::vector<uint32_t> palette(colors);
  for (size_t i = 0; i < colors; ++i) {
    const uint8_t* entry = info + offset + i * header.paletteEntrySize;
    palette[i] = uint32_t{entry[0]} | uint32_t{entry[1]} << 8 | uint32_t{entry[2]} << 16;
  }
  return palette;
}

void DecodeRow(const uint8_t* row, const BmpHeader& header, const std::vector<uint32_t>& palette,
               const ColorMasks& masks, uint32_t* pixels) {
  const int bpp = header.bitsPerPixel;
  for (int x = 0; x < header.width; ++x) {
    switch (bpp) {
      case 1:
      case 4:
      case 8: {
        const size_t bit = static_cast<size_t>(x) * bpp;
        const unsigned index = (row[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
        pixels[x] = PaletteColor(palette, index);
        break;
      }
      case 16:
        pixels[x] = masks.Pixel(base::ReadLittleEndian16(row + 2 * x));
        break;
      case 24:
        pixels[x] =
            uint32_t{row[3 * x]} | uint32_t{row[3 * x + 1]} << 8 | uint32_t{row[3 * x + 2]} << 16;
        break;
      default:
        pixels[x] = masks.Pixel(base::ReadLittleEndian32(row + 4 * x));
        break;
    }
  }
}

// Rows are padded to whole 32-bit words; the last row's padding may be missing.
void DecodeUncompressedPixels(const uint8_t* data, size_t size, const BmpHeader& header,
                              const std::vector<uint32_t>& palette, const ColorMasks& masks,
                              Bitmap& bitmap) {
  const uint64_t rowBits = static_cast<uint64_t>(header.width) * header.bitsPerPixel;
  const uint64_t stride = (rowBits + 31) / 32 * 4;
  const uint64_t needed = stride * (header.height - 1) + (rowBits + 7) / 8;
  if (needed > size) {
    FailInvalidBitmap();
  }
  for (int storedRow = 0; storedRow < header.height; ++storedRow) {
    const int y = header.topDown ? storedRow : header.height - 1 - storedRow;
    DecodeRow(data + storedRow * stride, header, palette, masks, bitmap.Row(y));
  }
}

}  // namespace

Bitmap DecodeBmp(const uint8_t* data, size_t size) {
  if (size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') {
    FailInvalidBitmap();
  }
  const uint32_t pixelOffset = base::ReadLittleEndian32(data + 10);
  const uint8_t* info = data + kFileHeaderSize;
  const size_t available = size - kFileHeaderSize;
  const size_t infoSize = base::ReadLittleEndian32(info);
  if (infoSize > available || pixelOffset > size) {
    FailInvalidBitmap();
  }
  const BmpHeader header = ReadInfoHeader(info, infoSize);
  CheckFormat(header);
  const std::vector<uint32_t> palette = ReadPalette(header, info, available);

  Bitmap bitmap(header.width, header.height, header.bitsPerPixel);
  const uint8_t* pixels = data + pixelOffset;
  const size_t pixelBytes = size - pixelOffset;
  if (header.compression == kRunLength8 || header.compression == kRunLength4) {
    DecodeRunLengthPixels(pixels, pixelBytes, header.bitsPerPixel, palette, bitmap);
  } else {
    DecodeUncompressedPixels(pixels, pixelBytes, header, palette,
                             ReadColorMasks(header, info, available), bitmap);
  }
  return bitmap;
}

}  // namespace image
