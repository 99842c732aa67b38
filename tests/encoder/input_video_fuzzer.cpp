// libFuzzer target: arbitrary bytes as the start of an input file, through
// the container header readers. Whatever the bytes, the answer is either
// no size or a whole one that a picture can have.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "encoder/input_video.h"
#include "tests/encoder/bytes_file.h"

namespace {

bool PictureSide(int side) {
  return side > 0 && side <= 65535;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const encoder::InputVideo video = encoder::ReadInputVideo(
      encoder::BytesFile(std::string(reinterpret_cast<const char*>(data), size)));
  const bool noSize = video.width == 0 && video.height == 0;
  if (!noSize && !(PictureSide(video.width) && PictureSide(video.height))) {
    std::abort();
  }
  return 0;
}
