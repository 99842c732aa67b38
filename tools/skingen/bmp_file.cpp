#include "tools/skingen/bmp_file.h"

#include "tools/skintools/byte_writer.h"

namespace skingen {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

}  // namespace

std::vector<uint8_t> EncodeBmp24(const image::Bitmap& picture) {
  const uint32_t stride = (static_cast<uint32_t>(picture.Width()) * 3 + 3) / 4 * 4;
  const uint32_t imageSize = stride * static_cast<uint32_t>(picture.Height());
  const uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize;
  std::vector<uint8_t> bytes;
  skintools::ByteWriter out(bytes);
  out.Bytes("BM");
  out.U32(dataOffset + imageSize);
  out.U32(0);
  out.U32(dataOffset);
  out.U32(kInfoHeaderSize);
  out.U32(static_cast<uint32_t>(picture.Width()));
  out.U32(static_cast<uint32_t>(picture.Height()));
  out.U16(1);   // planes
  out.U16(24);  // bits per pixel
  out.U32(0);   // BI_RGB
  out.U32(imageSize);
  out.U32(2835);  // 72 dots per inch
  out.U32(2835);
  out.U32(0);
  out.U32(0);
  for (int y = picture.Height() - 1; y >= 0; --y) {
    const uint32_t* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) {
      out.U8(static_cast<uint8_t>(row[x]));        // blue
      out.U8(static_cast<uint8_t>(row[x] >> 8));   // green
      out.U8(static_cast<uint8_t>(row[x] >> 16));  // red
    }
    for (uint32_t pad = static_cast<uint32_t>(picture.Width()) * 3; pad < stride; ++pad) {
      out.U8(0);
    }
  }
  return bytes;
}

}  // namespace skingen
