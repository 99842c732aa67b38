#include "skin/bmp_decoder.h"

#include <algorithm>
#include <stdexcept>

#include "skin/bmp_run_length.h"
#include "skin/little_endian.h"

namespace skin {

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
  bool top_down = false;
  int bits_per_pixel = 0;
  uint32_t compression = kUncompressed;
  uint32_t colors_used = 0;
  size_t info_size = 0;
  size_t palette_entry_size = 4;
};

BmpHeader ReadInfoHeader(const uint8_t* info, size_t info_size) {
  BmpHeader header;
  header.info_size = info_size;
  int64_t height = 0;
  unsigned planes = 0;
  if (info_size == kCoreHeaderSize) {
    header.width = ReadLittleEndian16(info + 4);
    height = ReadLittleEndian16(info + 6);
    planes = ReadLittleEndian16(info + 8);
    header.bits_per_pixel = ReadLittleEndian16(info + 10);
    header.palette_entry_size = 3;
  } else if (info_size >= kInfoHeaderSize) {
    header.width = static_cast<int32_t>(ReadLittleEndian32(info + 4));
    height = static_cast<int32_t>(ReadLittleEndian32(info + 8));
    planes = ReadLittleEndian16(info + 12);
    header.bits_per_pixel = ReadLittleEndian16(info + 14);
    header.compression = ReadLittleEndian32(info + 16);
    header.colors_used = ReadLittleEndian32(info + 32);
  } else {
    FailInvalidBitmap();
  }
  header.top_down = height < 0;
  height = height < 0 ? -height : height;
  if (planes != 1 || header.width <= 0 || height == 0 ||
      static_cast<uint64_t>(header.width) * static_cast<uint64_t>(height) > kMaxPixels) {
    FailInvalidBitmap();
  }
  header.height = static_cast<int>(height);
  return header;
}

void CheckFormat(const BmpHeader& header) {
  const int bpp = header.bits_per_pixel;
  bool supported = false;
  switch (header.compression) {
    case kUncompressed:
      supported = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
      break;
    case kRunLength8:
      supported = bpp == 8 && !header.top_down;
      break;
    case kRunLength4:
      supported = bpp == 4 && !header.top_down;
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
    return header.bits_per_pixel == 16
               ? ColorMasks{ChannelMask(0x7C00), ChannelMask(0x03E0), ChannelMask(0x001F)}
               : ColorMasks{ChannelMask(0xFF0000), ChannelMask(0xFF00), ChannelMask(0xFF)};
  }
  if (available < kHeaderWithMasksSize) {
    FailInvalidBitmap();
  }
  return ColorMasks{ChannelMask(ReadLittleEndian32(info + 40)),
                    ChannelMask(ReadLittleEndian32(info + 44)),
                    ChannelMask(ReadLittleEndian32(info + 48))};
}

// The colour table follows the header (and the masks of a BITMAPINFOHEADER).
std::vector<uint32_t> ReadPalette(const BmpHeader& header, const uint8_t* info, size_t available) {
  if (header.bits_per_pixel > 8) {
    return {};
  }
  const size_t max_colors = size_t{1} << header.bits_per_pixel;
  const size_t colors =
      header.colors_used == 0 ? max_colors : std::min<size_t>(header.colors_used, max_colors);
  size_t offset = header.info_size;
  if (header.compression == kBitFields && header.info_size == kInfoHeaderSize) {
    offset += 12;
  }
  if (offset > available || colors * header.palette_entry_size > available - offset) {
    FailInvalidBitmap();
  }
  std::vector<uint32_t> palette(colors);
  for (size_t i = 0; i < colors; ++i) {
    const uint8_t* entry = info + offset + i * header.palette_entry_size;
    palette[i] = uint32_t{entry[0]} | uint32_t{entry[1]} << 8 | uint32_t{entry[2]} << 16;
  }
  return palette;
}

void DecodeRow(const uint8_t* row, const BmpHeader& header, const std::vector<uint32_t>& palette,
               const ColorMasks& masks, uint32_t* pixels) {
  const int bpp = header.bits_per_pixel;
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
        pixels[x] = masks.Pixel(ReadLittleEndian16(row + 2 * x));
        break;
      case 24:
        pixels[x] =
            uint32_t{row[3 * x]} | uint32_t{row[3 * x + 1]} << 8 | uint32_t{row[3 * x + 2]} << 16;
        break;
      default:
        pixels[x] = masks.Pixel(ReadLittleEndian32(row + 4 * x));
        break;
    }
  }
}

// Rows are padded to whole 32-bit words; the last row's padding may be missing.
void DecodeUncompressedPixels(const uint8_t* data, size_t size, const BmpHeader& header,
                              const std::vector<uint32_t>& palette, const ColorMasks& masks,
                              Bitmap& bitmap) {
  const uint64_t row_bits = static_cast<uint64_t>(header.width) * header.bits_per_pixel;
  const uint64_t stride = (row_bits + 31) / 32 * 4;
  const uint64_t needed = stride * (header.height - 1) + (row_bits + 7) / 8;
  if (needed > size) {
    FailInvalidBitmap();
  }
  for (int stored_row = 0; stored_row < header.height; ++stored_row) {
    const int y = header.top_down ? stored_row : header.height - 1 - stored_row;
    DecodeRow(data + stored_row * stride, header, palette, masks, bitmap.Row(y));
  }
}

}  // namespace

Bitmap DecodeBmp(const uint8_t* data, size_t size) {
  if (size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') {
    FailInvalidBitmap();
  }
  const uint32_t pixel_offset = ReadLittleEndian32(data + 10);
  const uint8_t* info = data + kFileHeaderSize;
  const size_t available = size - kFileHeaderSize;
  const size_t info_size = ReadLittleEndian32(info);
  if (info_size > available || pixel_offset > size) {
    FailInvalidBitmap();
  }
  const BmpHeader header = ReadInfoHeader(info, info_size);
  CheckFormat(header);
  const std::vector<uint32_t> palette = ReadPalette(header, info, available);

  Bitmap bitmap(header.width, header.height, header.bits_per_pixel);
  const uint8_t* pixels = data + pixel_offset;
  const size_t pixel_bytes = size - pixel_offset;
  if (header.compression == kRunLength8 || header.compression == kRunLength4) {
    DecodeRunLengthPixels(pixels, pixel_bytes, header.bits_per_pixel, palette, bitmap);
  } else {
    DecodeUncompressedPixels(pixels, pixel_bytes, header, palette,
                             ReadColorMasks(header, info, available), bitmap);
  }
  return bitmap;
}

}  // namespace skin
