#include "image/bmp_run_length.h"

#include <algorithm>

#include "image/bmp_decoder.h"

namespace image {

namespace {

// Escape codes: a pair whose count byte is 0 and whose second byte is one
// of these; larger second bytes start an absolute run of that many pixels.
constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfBitmap = 1;
constexpr uint8_t kDelta = 2;

class RunLengthDecoder {
 public:
  RunLengthDecoder(const uint8_t* data, size_t size, int bitsPerPixel,
                   const std::vector<uint32_t>& palette, Bitmap& bitmap)
      : data_(data), size_(size), bitsPerPixel_(bitsPerPixel), palette_(palette), bitmap_(bitmap) {}

  // Stops at the end-of-bitmap code or once past the top row; data that
  // runs out before either is invalid. Pixels beyond a row's end are
  // dropped, as the system drops them.
  void Run() {
    while (row_ < static_cast<uint64_t>(bitmap_.Height())) {
      const uint8_t* pair = Take(2);
      if (pair[0] > 0) {
        for (unsigned i = 0; i < pair[0]; ++i) {
          Put(bitsPerPixel_ == 8 ? pair[1] : Nibble(pair[1], i));
        }
      } else if (pair[1] == kEndOfLine) {
        x_ = 0;
        ++row_;
      } else if (pair[1] == kEndOfBitmap) {
        return;
      } else if (pair[1] == kDelta) {
        const uint8_t* offset = Take(2);
        x_ += offset[0];
        row_ += offset[1];
      } else {
        PutAbsoluteRun(pair[1]);
      }
    }
  }

 private:
  static uint8_t Nibble(uint8_t byte, unsigned i) { return i % 2 == 0 ? byte >> 4 : byte & 0xF; }

  const uint8_t* Take(size_t count) {
    if (count > size_ - position_) {
      FailInvalidBitmap();
    }
    const uint8_t* bytes = data_ + position_;
    position_ += count;
    return bytes;
  }

  // Absolute runs are padded to a whole number of 16-bit words.
  void PutAbsoluteRun(unsigned count) {
    const size_t bytes = bitsPerPixel_ == 8 ? count : (count + 1) / 2;
    const uint8_t* indexes = Take((bytes + 1) & ~size_t{1});
    for (unsigned i = 0; i < count; ++i) {
      Put(bitsPerPixel_ == 8 ? indexes[i] : Nibble(indexes[i / 2], i));
    }
  }

  void Put(uint8_t index) {
    if (x_ < static_cast<uint64_t>(bitmap_.Width())) {
      bitmap_.Row(bitmap_.Height() - 1 - static_cast<int>(row_))[x_] =
          PaletteColor(palette_, index);
    }
    ++x_;
  }

  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
  int bitsPerPixel_;
  const std::vector<uint32_t>& palette_;
  Bitmap& bitmap_;
  uint64_t x_ = 0;
  uint64_t row_ = 0;  // counted from the bottom
};

}  // namespace

void DecodeRunLengthPixels(const uint8_t* data, size_t size, int bitsPerPixel,
                           const std::vector<uint32_t>& palette, Bitmap& bitmap) {
  const uint32_t background = PaletteColor(palette, 0);
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::fill_n(bitmap.Row(y), bitmap.Width(), background);
  }
  RunLengthDecoder(data, size, bitsPerPixel, palette, bitmap).Run();
}

}  // namespace image
