#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "image/bmp_decoder.h"
#include "tests/support/bmp_fixture.h"

namespace image_test {
namespace {

using test_support::BmpSpec;
using test_support::MakeBmp;
using test_support::MakeSpec;

constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitFields = 3;

const std::vector<uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

struct DecodeCase {
  const char* name;
  BmpSpec spec;
  std::vector<uint32_t> expected;  // 0x00RRGGBB, top row first
};

std::vector<DecodeCase> DecodeCases() {
  std::vector<DecodeCase> cases;
  // Rows bottom-up, each padded to 4 bytes.
  cases.push_back({"1 bpp",
                   MakeSpec(3, 2, 1, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}, 0, {0x000000, 0xFFFFFF}),
                   {0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF}});
  cases.push_back({"4 bpp",
                   MakeSpec(3, 1, 4, {0x30, 0x10, 0, 0}, 0, kPalette),
                   {0x0000FF, 0x000000, 0xFF0000}});
  cases.push_back({"8 bpp top-down, index past the palette is black",
                   MakeSpec(2, -2, 8, {1, 2, 0, 0, 9, 3, 0, 0}, 0, kPalette),
                   {0xFF0000, 0x00FF00, 0x000000, 0x0000FF}});
  cases.push_back(
      {"16 bpp 5-5-5", MakeSpec(2, 1, 16, {0x00, 0x7C, 0x1F, 0x00}), {0xFF0000, 0x0000FF}});
  {
    BmpSpec spec = MakeSpec(2, 1, 16, {0xE0, 0x07, 0x10, 0x84}, kBiBitFields);
    spec.masks = {0xF800, 0x07E0, 0x001F};
    cases.push_back({"16 bpp 5-6-5 bit fields", spec, {0x00FF00, 0x848284}});
  }
  cases.push_back({"24 bpp rows padded",
                   MakeSpec(1, 2, 24, {0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66, 0}),
                   {0x665544, 0x332211}});
  cases.push_back(
      {"32 bpp, fourth byte ignored", MakeSpec(1, 1, 32, {0x11, 0x22, 0x33, 0xFF}), {0x332211}});
  {
    BmpSpec spec = MakeSpec(1, 1, 32, {0x11, 0x22, 0x33, 0x00}, kBiBitFields);
    spec.headerSize = 108;
    spec.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    cases.push_back({"32 bpp bit fields in a version 4 header", spec, {0x112233}});
  }
  {
    BmpSpec spec = MakeSpec(2, 1, 1, {0x80, 0, 0, 0}, 0, {0x0000FF, 0xFF0000});
    spec.headerSize = 12;
    cases.push_back({"core header with 3-byte palette", spec, {0xFF0000, 0x0000FF}});
  }
  cases.push_back({"RLE8: run, absolute run, end of line, delta, end of bitmap",
                   MakeSpec(5, 3, 8,
                            {2, 1,              // bottom row: two of colour 1
                             0, 3, 2, 3, 1, 0,  // absolute: colours 2, 3, 1, padded to 16 bits
                             0, 0,              // end of line
                             0, 2, 1, 1,        // delta: right 1, up 1
                             1, 3,              // one of colour 3 at (1, top row)
                             0, 1},             // end of bitmap
                            kBiRle8, kPalette),
                   {0x000000, 0x0000FF, 0x000000, 0x000000, 0x000000,  //
                    0x000000, 0x000000, 0x000000, 0x000000, 0x000000,  //
                    0xFF0000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFF0000}});
  cases.push_back({"RLE8: a run past the row end is dropped",
                   MakeSpec(2, 1, 8, {5, 1, 0, 1}, kBiRle8, kPalette),
                   {0xFF0000, 0xFF0000}});
  cases.push_back({"RLE8: ending past the top row needs no end code",
                   MakeSpec(1, 1, 8, {1, 2, 0, 0}, kBiRle8, kPalette),
                   {0x00FF00}});
  cases.push_back({"RLE4: a run alternates two colours",
                   MakeSpec(5, 1, 4, {5, 0x12, 0, 1}, kBiRle4, kPalette),
                   {0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000}});
  cases.push_back({"RLE4: an absolute run is padded to 16 bits",
                   MakeSpec(5, 1, 4, {0, 5, 0x12, 0x30, 0x10, 0x00, 0, 1}, kBiRle4, kPalette),
                   {0xFF0000, 0x00FF00, 0x0000FF, 0x000000, 0xFF0000}});
  return cases;
}

TEST(BmpDecoderTest, DecodesEveryFormat) {
  for (const DecodeCase& c : DecodeCases()) {
    SCOPED_TRACE(c.name);
    const std::vector<uint8_t> file = MakeBmp(c.spec);
    image::Bitmap bitmap;
    ASSERT_NO_THROW(bitmap = image::DecodeBmp(file.data(), file.size()));
    ASSERT_EQ(bitmap.Width(), c.spec.width);
    ASSERT_EQ(bitmap.Height(), std::abs(c.spec.height));
    EXPECT_EQ(bitmap.BitsPerPixel(), c.spec.bitsPerPixel);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < bitmap.Height(); ++y) {
      pixels.insert(pixels.end(), bitmap.Row(y), bitmap.Row(y) + bitmap.Width());
    }
    EXPECT_EQ(pixels, c.expected);
  }
}

struct InvalidCase {
  const char* name;
  std::vector<uint8_t> file;
};

std::vector<uint8_t> Patched(std::vector<uint8_t> file, size_t offset, std::vector<uint8_t> bytes) {
  std::copy(bytes.begin(), bytes.end(), file.begin() + offset);
  return file;
}

std::vector<InvalidCase> InvalidCases() {
  const std::vector<uint8_t> rgb = MakeBmp(MakeSpec(2, 2, 24, std::vector<uint8_t>(16, 0x7F)));
  const std::vector<uint8_t> rle =
      MakeBmp(MakeSpec(4, 2, 8, {4, 1, 0, 0, 4, 2, 0, 1}, kBiRle8, kPalette));
  // Offsets of BITMAPINFOHEADER fields in the file.
  constexpr size_t kWidth = 18, kHeight = 22, kPlanes = 26, kBits = 28, kCompression = 30,
                   kColorsUsed = 46, kPixelOffset = 10, kHeaderSize = 14;
  std::vector<InvalidCase> cases = {
      {"not \"BM\"", Patched(rgb, 0, {'B', 'A'})},
      {"shorter than a file header", std::vector<uint8_t>(rgb.begin(), rgb.begin() + 16)},
      {"header of 20 bytes", Patched(rgb, kHeaderSize, {20, 0, 0, 0})},
      {"header past the end", std::vector<uint8_t>(rgb.begin(), rgb.begin() + 40)},
      {"width 0", Patched(rgb, kWidth, {0, 0, 0, 0})},
      {"negative width", Patched(rgb, kWidth, {0xFE, 0xFF, 0xFF, 0xFF})},
      {"height 0", Patched(rgb, kHeight, {0, 0, 0, 0})},
      {"two planes", Patched(rgb, kPlanes, {2, 0})},
      {"2 bits per pixel", Patched(rgb, kBits, {2, 0})},
      {"unknown compression", Patched(rgb, kCompression, {4, 0, 0, 0})},
      {"bit fields on 24 bits", Patched(rgb, kCompression, {3, 0, 0, 0})},
      {"RLE8 on 4 bits", Patched(rle, kBits, {4, 0})},
      {"RLE stored top-down", Patched(rle, kHeight, {0xFE, 0xFF, 0xFF, 0xFF})},
      {"palette past the end", Patched(rle, kColorsUsed, {0, 1, 0, 0})},
      {"pixel data cut short", std::vector<uint8_t>(rgb.begin(), rgb.end() - 3)},
      {"pixel data past the end", Patched(rgb, kPixelOffset, {0xFF, 0xFF, 0, 0})},
      {"RLE data without an end", std::vector<uint8_t>(rle.begin(), rle.end() - 4)},
      {"RLE absolute run cut short", MakeBmp(MakeSpec(4, 1, 8, {0, 4, 1, 2}, kBiRle8, kPalette))},
      {"RLE delta cut short", MakeBmp(MakeSpec(4, 1, 8, {0, 2, 1}, kBiRle8, kPalette))},
      {"larger than skins can be", Patched(rle, kWidth, {0x00, 0x00, 0x00, 0x01})},
  };
  BmpSpec scattered = MakeSpec(1, 1, 16, {0, 0}, kBiBitFields);
  scattered.masks = {0xF0F0, 0x0F00, 0x000F};
  cases.push_back({"mask bits not contiguous", MakeBmp(scattered)});
  BmpSpec noMasks = MakeSpec(1, 1, 16, {}, kBiBitFields);
  cases.push_back({"bit fields without masks", MakeBmp(noMasks)});
  return cases;
}

TEST(BmpDecoderTest, RefusesWhatDoesNotDecode) {
  for (const InvalidCase& c : InvalidCases()) {
    SCOPED_TRACE(c.name);
    try {
      image::DecodeBmp(c.file.data(), c.file.size());
      ADD_FAILURE() << "decoded";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), image::kInvalidBitmapText);
    }
  }
}

}  // namespace
}  // namespace image_test
