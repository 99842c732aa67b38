// libFuzzer target: arbitrary bytes as a BMP file, through the decoder on
// its own. A picture either fails with the decoder's one error or decodes
// into rows whose every pixel is a plain colour.
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
  for (int y = 0; y < bitmap.Height(); ++y) {
    const uint32_t* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      if (!image::IsPlainColor(row[x])) {
        __builtin_trap();
      }
    }
  }
  return 0;
}
