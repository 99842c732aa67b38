#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive/file_streams.h"
#include "image/bitmap.h"

namespace skin {

struct NamedBitmap {
  std::string name;
  image::Bitmap bitmap;
};

struct NamedInteger {
  std::string name;
  int32_t value;
};

struct NamedByte {
  std::string name;
  uint8_t value;
};

struct NamedText {
  std::string name;
  std::string text;
};

// The values of a skin container by kind, each list in chain order.
struct SkinValues {
  std::vector<NamedBitmap> bitmaps;
  std::vector<NamedInteger> integers;
  std::vector<NamedByte> bytes;
  std::vector<NamedText> texts;
};

// Reads every value of a skin container (see skin_container_layout.h).
// A malformed container throws std::runtime_error with "Failed to read skin
// file!"; a bitmap that does not decode throws as image::DecodeBmp does.
SkinValues ParseSkinContainer(archive::InputFile& container);

}  // namespace skin
