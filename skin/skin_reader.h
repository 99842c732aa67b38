#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/temp_name_source.h"
#include "image/bitmap.h"
#include "skin/skin_file_reader.h"
#include "skin/skin_keys.h"

namespace skin {

// The loaded skin as the skin engine and the painters see it: colours,
// images, metrics and flags addressed by group and index (skin_keys.h).
class TvxSkinReader {
 public:
  // Called after every load that did not throw; it carries whatever it
  // needs to reach its owner.
  using ChangeHandler = std::function<void()>;

  explicit TvxSkinReader(base::TempNameSource& tempNames);
  TvxSkinReader(const TvxSkinReader&) = delete;
  TvxSkinReader& operator=(const TvxSkinReader&) = delete;

  // Drops the current skin, then loads `fileName`. A file that does not
  // exist leaves no skin loaded; one that cannot be read throws the file
  // reader's error, leaves no skin loaded and does not call the change
  // handler. A loaded skin's images get colour 0 as their transparent
  // colour, and the track-bar channel has its transparent pixels painted in
  // the form colour, so it sits on the form.
  void Load(const std::string& fileName, std::string_view password);

  bool Loaded() const { return loaded_; }

  void SetChangeHandler(ChangeHandler handler);

  // Only the low 7 bits of an index count; an index past its group's keys
  // answers like a missing key: null, -1, -1, false.
  const image::Bitmap* Image(int index) const;
  image::ColorRef Color(int index) const;
  int32_t Metric(int index) const;
  bool Flag(int index) const;

 private:
  const char* KeyName(SkinKeyGroup group, int index) const;
  void PrepareImages();

  base::TempNameSource& tempNames_;
  bool loaded_ = false;
  std::unique_ptr<Tsk2SkinFileReader> fileReader_;
  ChangeHandler changeHandler_;
};

// Image `index` of the reader, or frame `frame` of its `count` frames when
// both are non-zero; nothing when the image is missing.
std::optional<image::Bitmap> ImageFrame(const TvxSkinReader& reader, int index, int frame,
                                        int count);

}  // namespace skin
