// libFuzzer target: arbitrary bytes as a BMP file, through the decoder on
// its own. A picture either fails with the decoder's one error or decodes
// into whole rows of plain colours. Only the ends of each row are read: a
// few bytes of run-length data make a picture of millions of pixels, whose
// every pixel would cost the run more than its decoding.
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "image/bmp_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  image::Bitmap bitmap;
  try {
    bitmap = image::DecodeBmp(data, size);
  } catch (const std::runtime_error& error) {
    if (std::strcmp(error.what(), image::kInvalidBitmapText) != 0) {
      __builtin_trap();
    }
    return 0;
  }
  for (int y = 0; bitmap.Width() > 0 && y < bitmap.Height(); ++y) {
    const uint32_t* row = bitmap.Row(y);
    if (!image::IsPlainColor(row[0]) || !image::IsPlainColor(row[bitmap.Width() - 1])) {
      __builtin_trap();
    }
  }
  return 0;
}
