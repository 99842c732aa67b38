#include "encoder/input_video.h"

#include "encoder/header_fields.h"

namespace encoder {

std::string_view HeaderField(std::string_view bytes, std::uint64_t offset, std::size_t count) {
  if (offset > bytes.size() || count > bytes.size() - offset) {
    throw HeaderEnds();
  }
  return bytes.substr(static_cast<std::size_t>(offset), count);
}

std::uint64_t BigEndianField(std::string_view bytes, std::uint64_t offset, std::size_t count) {
  std::uint64_t value = 0;
  for (const char byte : HeaderField(bytes, offset, count)) {
    value = value << 8 | static_cast<unsigned char>(byte);
  }
  return value;
}

std::uint64_t LittleEndianField(std::string_view bytes, std::uint64_t offset, std::size_t count) {
  std::uint64_t value = 0;
  const std::string_view field = HeaderField(bytes, offset, count);
  for (auto byte = field.rbegin(); byte != field.rend(); ++byte) {
    value = value << 8 | static_cast<unsigned char>(*byte);
  }
  return value;
}

int PictureSide(std::int64_t value) {
  constexpr std::int64_t kLongestSide = 65535;
  if (value < -kLongestSide || value > kLongestSide) {
    return 0;
  }
  return static_cast<int>(value < 0 ? -value : value);
}

InputVideo ReadInputVideo(const FileBytes& file) {
  try {
    for (const auto reader : {ReadAviVideo, ReadMp4Video, ReadMatroskaVideo, ReadMpegVideo}) {
      if (const std::optional<InputVideo> video = reader(file)) {
        // A size is only of use whole.
        return video->width > 0 && video->height > 0 ? *video : InputVideo{video->codec};
      }
    }
  } catch (const HeaderEnds&) {
    // A header cut short tells nothing.
  }
  return {};
}

}  // namespace encoder
