#include "tests/flate/sample_data.h"

#include <algorithm>
#include <random>
#include <string>

#include "tests/support/bmp_fixture.h"

namespace flate_test {

namespace {

using test_support::MakeBmp24;

void AppendText(std::vector<uint8_t>& out, const std::string& text) {
  out.insert(out.end(), text.begin(), text.end());
}

void AppendTextLines(std::vector<uint8_t>& out, size_t size, std::mt19937& random) {
  static const char* const kWords[] = {
      "skin",   "window", "button",  "caption", "border",  "colour",  "frame", "video",
      "3gp",    "encode", "bitrate", "sample",  "channel", "convert", "file",  "folder",
      "output", "the",    "of",      "and",     "to",      "a",       "is",    "progress"};
  const size_t end = out.size() + size;
  while (out.size() < end) {
    switch (random() % 4) {
      case 0:
        AppendText(out, "[section" + std::to_string(random() % 40) + "]\r\n");
        break;
      case 1:
        AppendText(out, std::string(kWords[random() % 24]) + "=" +
                            std::to_string(random() % 100000) + "\r\n");
        break;
      default:
        for (int word = 2 + random() % 10; word > 0; --word) {
          AppendText(out, std::string(kWords[random() % 24]) + (word > 1 ? " " : ".\r\n"));
        }
    }
  }
  out.resize(end);
}

void AppendNumberTable(std::vector<uint8_t>& out, size_t size, std::mt19937& random) {
  uint32_t value = random();
  for (size_t i = 0; i + 4 <= size; i += 4) {
    value += random() % 64;
    for (int b = 0; b < 4; ++b) {
      out.push_back(static_cast<uint8_t>(value >> (8 * b)));
    }
  }
}

void AppendSparseRecords(std::vector<uint8_t>& out, size_t size, std::mt19937& random) {
  const size_t end = out.size() + size;
  while (out.size() < end) {
    std::string name = "item" + std::to_string(random() % 500);
    name.resize(32, '\0');
    AppendText(out, name);
    for (int i = 0; i < 16; ++i) {
      out.push_back(i < 4 ? static_cast<uint8_t>(random()) : 0);
    }
  }
  out.resize(end);
}

uint32_t Blend(uint32_t from, uint32_t to, int step, int steps) {
  uint32_t pixel = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = (from >> shift) & 0xFF;
    const int b = (to >> shift) & 0xFF;
    pixel |= static_cast<uint32_t>(a + (b - a) * step / std::max(steps, 1)) << shift;
  }
  return pixel;
}

// A strip of `frames` bevelled buttons with a vertical gradient, rounded
// corners in the transparent key colour and, now and then, noisy pixels.
std::vector<uint8_t> ButtonStrip(int frameWidth, int height, int frames, std::mt19937& random) {
  constexpr uint32_t kKey = 0xFF00FF;
  const uint32_t top = random() & 0xFFFFFF;
  const uint32_t bottom = random() & 0xFFFFFF;
  std::vector<uint32_t> pixels(static_cast<size_t>(frameWidth) * frames * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < frameWidth * frames; ++x) {
      const int fx = x % frameWidth;
      const bool corner = (fx < 2 || fx >= frameWidth - 2) && (y < 2 || y >= height - 2);
      const bool edge = fx == 0 || y == 0 || fx == frameWidth - 1 || y == height - 1;
      uint32_t pixel = Blend(top, bottom, y, height - 1) + 0x040404 * (x / frameWidth);
      if (edge) {
        pixel = 0x404040;
      }
      if (random() % 50 == 0) {
        pixel ^= random() & 0x070707;
      }
      pixels[static_cast<size_t>(y) * frameWidth * frames + x] = corner ? kKey : pixel;
    }
  }
  return MakeBmp24(frameWidth * frames, height, pixels);
}

std::vector<uint8_t> HorizontalGradient(int width, int height, std::mt19937& random) {
  const uint32_t left = random() & 0xFFFFFF;
  const uint32_t right = random() & 0xFFFFFF;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels[static_cast<size_t>(y) * width + x] = Blend(left, right, x, width - 1);
    }
  }
  return MakeBmp24(width, height, pixels);
}

std::vector<uint8_t> VerticalGradient(int width, int height, std::mt19937& random) {
  const uint32_t top = random() & 0xFFFFFF;
  const uint32_t bottom = random() & 0xFFFFFF;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    std::fill_n(pixels.begin() + static_cast<ptrdiff_t>(y) * width, width,
                Blend(top, bottom, y, height - 1));
  }
  return MakeBmp24(width, height, pixels);
}

// A brushed or grained form background: a base colour with small noise.
std::vector<uint8_t> Texture(int width, int height, std::mt19937& random) {
  const uint32_t base = random() & 0xE0E0E0;
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  for (uint32_t& pixel : pixels) {
    pixel = base + 0x010101 * (random() % 16);
  }
  return MakeBmp24(width, height, pixels);
}

std::vector<uint8_t> FlatFill(int width, int height, std::mt19937& random) {
  return MakeBmp24(width, height,
                   std::vector<uint32_t>(static_cast<size_t>(width) * height, random() & 0xFFFFFF));
}

}  // namespace

std::vector<uint8_t> RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(size);
  for (uint8_t& byte : bytes) {
    byte = static_cast<uint8_t>(random());
  }
  return bytes;
}

std::vector<uint8_t> TextLike(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> text;
  AppendTextLines(text, size, random);
  return text;
}

std::vector<uint8_t> RepeatingPattern(size_t size, size_t period) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) {
    bytes[i] = static_cast<uint8_t>('a' + i % period);
  }
  return bytes;
}

std::vector<uint8_t> MixedTextAndBinary(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> data;
  while (data.size() < size) {
    const size_t block = std::min<size_t>(1024 + random() % 8192, size - data.size());
    switch (random() % 5) {
      case 0:
      case 1:
        AppendTextLines(data, block, random);
        break;
      case 2:
        AppendNumberTable(data, block, random);
        break;
      case 3:
        AppendSparseRecords(data, block, random);
        break;
      default:
        for (size_t i = 0; i < block; ++i) {
          data.push_back(static_cast<uint8_t>(random()));
        }
    }
  }
  data.resize(size);
  return data;
}

std::vector<uint8_t> SkinLikeBitmaps(size_t size, uint32_t seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> data;
  while (data.size() < size) {
    std::vector<uint8_t> bmp;
    switch (random() % 6) {
      case 0:
        bmp = ButtonStrip(20 + random() % 60, 18 + random() % 10, 3 + random() % 4, random);
        break;
      case 1:
        bmp = HorizontalGradient(100 + random() % 300, 20 + random() % 12, random);
        break;
      case 2:
        bmp = VerticalGradient(4 + random() % 30, 100 + random() % 200, random);
        break;
      case 3:
        bmp = FlatFill(4 + random() % 100, 4 + random() % 100, random);
        break;
      case 4:
        bmp = Texture(32 + random() % 64, 32 + random() % 64, random);
        break;
      default:
        bmp = ButtonStrip(13, 13, 6, random);
    }
    data.insert(data.end(), bmp.begin(), bmp.end());
  }
  data.resize(size);
  return data;
}

}  // namespace flate_test
