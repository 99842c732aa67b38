// The video stream of an AVI file, from its header list: RIFF "AVI " holds
// LIST "hdrl", which holds a LIST "strl" for each stream with its stream
// header "strh" (the stream's kind first, "vids" for video) and its format
// "strf", for video a BITMAPINFOHEADER:
//   bytes 4-7    width, signed little-endian
//   bytes 8-11   height, negative for a picture stored top down
//   bytes 16-19  the codec's four-character code
// Each chunk is a four-character id, its size as 4 bytes little-endian and
// its data, padded to an even size; a LIST's data starts with its kind.
#include <algorithm>
#include <cctype>

#include "encoder/header_fields.h"

namespace encoder {

namespace {

constexpr std::size_t kHeaderBytes = 256 * 1024;

struct FourCcCodec {
  const char* fourCc;
  VideoCodec codec;
};

// The codes AVI writers use, in capitals.
const FourCcCodec kCodecs[] = {
    {"XVID", VideoCodec::kMpeg4}, {"DIVX", VideoCodec::kMpeg4}, {"DX50", VideoCodec::kMpeg4},
    {"FMP4", VideoCodec::kMpeg4}, {"MP4V", VideoCodec::kMpeg4}, {"DIV3", VideoCodec::kMpeg4},
    {"MP43", VideoCodec::kMpeg4}, {"MP42", VideoCodec::kMpeg4}, {"MJPG", VideoCodec::kMotionJpeg},
    {"DVSD", VideoCodec::kDv},    {"H264", VideoCodec::kH264},  {"X264", VideoCodec::kH264},
    {"AVC1", VideoCodec::kH264},
};

VideoCodec CodecOf(std::string_view fourCc) {
  std::string upper(fourCc);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  for (const FourCcCodec& known : kCodecs) {
    if (upper == known.fourCc) {
      return known.codec;
    }
  }
  return VideoCodec::kOther;
}

InputVideo BitmapInfoVideo(std::string_view bytes, std::uint64_t at) {
  const auto width = static_cast<std::int32_t>(LittleEndianField(bytes, at + 4, 4));
  const auto height = static_cast<std::int32_t>(LittleEndianField(bytes, at + 8, 4));
  return {CodecOf(HeaderField(bytes, at + 16, 4)), PictureSide(width), PictureSide(height)};
}

// The first video stream among the chunks from begin to end, which lie in
// a list of the kind `within`: the file's top ("AVI "), its header list
// ("hdrl") or a stream's list ("strl"). Only the next kind down is entered,
// so that lists nested in lists cannot lead the walk deeper.
std::optional<InputVideo> FindVideo(std::string_view bytes, std::uint64_t begin, std::uint64_t end,
                                    std::string_view within) {
  std::string_view streamKind;
  for (std::uint64_t at = begin; at + 8 <= end;) {
    const std::string_view id = HeaderField(bytes, at, 4);
    const std::uint64_t size = LittleEndianField(bytes, at + 4, 4);
    const std::uint64_t data = at + 8;
    if (id == "LIST") {
      const std::string_view kind = HeaderField(bytes, data, 4);
      if (kind == "movi") {
        return std::nullopt;
      }
      if ((within == "AVI " && kind == "hdrl") || (within == "hdrl" && kind == "strl")) {
        if (const auto video = FindVideo(bytes, data + 4, std::min(data + size, end), kind)) {
          return video;
        }
      }
    } else if (id == "strh") {
      streamKind = HeaderField(bytes, data, 4);
    } else if (id == "strf" && streamKind == "vids") {
      return BitmapInfoVideo(bytes, data);
    }
    at = data + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace

std::optional<InputVideo> ReadAviVideo(const FileBytes& file) {
  const std::string bytes = file.Read(0, kHeaderBytes);
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "AVI ") != 0) {
    return std::nullopt;
  }
  return FindVideo(bytes, 12, bytes.size(), "AVI ").value_or(InputVideo{});
}

}  // namespace encoder
