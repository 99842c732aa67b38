#include "tools/skingen/png_file.h"

#include <zlib.h>

#include <stdexcept>
#include <string_view>

namespace skingen {

namespace {

void PutBigEndian32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<uint8_t>(value >> shift));
  }
}

// Length, type, data, and the CRC of type and data.
void PutChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
  PutBigEndian32(out, static_cast<uint32_t>(data.size()));
  const size_t typeStart = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart));
  PutBigEndian32(out, static_cast<uint32_t>(crc));
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(size);
  if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 6) != Z_OK) {
    throw std::runtime_error("the picture could not be compressed");
  }
  packed.resize(size);
  return packed;
}

}  // namespace

std::vector<uint8_t> EncodePng(const image::Bitmap& picture) {
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(picture.Width() * 3 + 1) * picture.Height());
  for (int y = 0; y < picture.Height(); ++y) {
    raw.push_back(0);  // no filter
    const uint32_t* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) {
      raw.push_back(static_cast<uint8_t>(row[x] >> 16));
      raw.push_back(static_cast<uint8_t>(row[x] >> 8));
      raw.push_back(static_cast<uint8_t>(row[x]));
    }
  }
  std::vector<uint8_t> header;
  PutBigEndian32(header, static_cast<uint32_t>(picture.Width()));
  PutBigEndian32(header, static_cast<uint32_t>(picture.Height()));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, deflate, no filter, no interlace
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", Compress(raw));
  PutChunk(png, "IEND", {});
  return png;
}

}  // namespace skingen
