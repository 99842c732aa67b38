// The MPEG-1 or MPEG-2 video of an MPEG program stream (a DVD's VOB, an
// MPG), of an MPEG video stream, or of a Video CD's RIFF "CDXA" file. The
// video's sequence header, start code 00 00 01 B3, gives the picture size:
//   bytes 4-6   width and height, 12 bits each
//   byte 7      aspect ratio code (4 bits, 1-14), frame rate code (1-8)
//   byte 10     bit 5 is a marker bit, always 1
// The codes and the marker tell a real header from the same four bytes met
// by chance in other data.
#include <string>

#include "encoder/header_fields.h"

namespace encoder {

namespace {

constexpr std::size_t kHeaderBytes = 256 * 1024;

const std::string kPackStart("\0\0\1\xBA", 4);
const std::string kSequenceStart("\0\0\1\xB3", 4);

bool StartsLikeMpeg(const std::string& bytes) {
  return bytes.compare(0, 4, kPackStart) == 0 || bytes.compare(0, 4, kSequenceStart) == 0 ||
         (bytes.size() >= 12 && bytes.compare(0, 4, "RIFF") == 0 &&
          bytes.compare(8, 4, "CDXA") == 0);
}

std::optional<InputVideo> SequenceHeaderVideo(std::string_view bytes, std::uint64_t at) {
  const std::uint64_t size = BigEndianField(bytes, at + 4, 3);
  const std::uint64_t codes = BigEndianField(bytes, at + 7, 1);
  const bool marker = BigEndianField(bytes, at + 10, 1) & 0x20;
  const std::uint64_t aspect = codes >> 4, rate = codes & 0x0F;
  const int width = static_cast<int>(size >> 12), height = static_cast<int>(size & 0xFFF);
  if (width == 0 || height == 0 || aspect == 0 || aspect > 14 || rate == 0 || rate > 8 || !marker) {
    return std::nullopt;
  }
  return InputVideo{VideoCodec::kMpegVideo, width, height};
}

}  // namespace

std::optional<InputVideo> ReadMpegVideo(const FileBytes& file) {
  const std::string bytes = file.Read(0, kHeaderBytes);
  if (!StartsLikeMpeg(bytes)) {
    return std::nullopt;
  }
  for (std::size_t at = bytes.find(kSequenceStart); at != std::string::npos;
       at = bytes.find(kSequenceStart, at + 1)) {
    if (const auto video = SequenceHeaderVideo(bytes, at)) {
      return video;
    }
  }
  return InputVideo{};
}

}  // namespace encoder
