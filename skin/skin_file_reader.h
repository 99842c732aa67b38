#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/temp_name_source.h"
#include "image/bitmap.h"
#include "skin/skin_container.h"

namespace skin {

// A skin file (".ssk") loaded whole: the member "SKINDATA.SK2" of the skin
// archive is extracted into a temporary file, its container parsed and the
// file deleted; the values are then looked up by name, ignoring the case of
// ASCII letters, the first of equal names winning.
class Tsk2SkinFileReader {
 public:
  // Loads the skin; an empty password means none. Throws std::runtime_error
  // with "Wrong password!" or "Failed to read skin file!" when the member
  // cannot be extracted, "Failed to read skin file!" for a malformed
  // container, and the bitmap decoder's error for a picture that does not
  // decode.
  Tsk2SkinFileReader(const std::string& fileName, std::string_view password,
                     base::TempNameSource& tempNames);
  Tsk2SkinFileReader(const Tsk2SkinFileReader&) = delete;
  Tsk2SkinFileReader& operator=(const Tsk2SkinFileReader&) = delete;

  // Null when no bitmap has that name.
  image::Bitmap* GetBitmap(std::string_view name);
  // -1 when no integer has that name.
  int32_t GetInteger(std::string_view name) const;
  // 0 when no byte has that name.
  uint8_t GetByte(std::string_view name) const;

  // Gives every bitmap fixed-colour transparency with `color`.
  void SetTransparentColor(image::ColorRef color);

  // Every value in container order, by kind.
  const SkinValues& Values() const { return values_; }

 private:
  SkinValues values_;
};

}  // namespace skin
