#pragma once

#include "skin/skin_reader.h"

namespace skin {

// Images derived from a skin in the forms painters need: cut out of
// strips, turned, recoloured. Derived once per load, so that painting only
// copies and stretches.
class TvxSkinRes {
 public:
  TvxSkinRes() = default;
  virtual ~TvxSkinRes() = default;
  TvxSkinRes(const TvxSkinRes&) = delete;
  TvxSkinRes& operator=(const TvxSkinRes&) = delete;

  // Draws from `reader` (not owned; may be null) from now on, and rebuilds.
  void SetReader(const TvxSkinReader* reader);

  // Derives everything again from the reader's current skin; builds nothing
  // without a loaded skin.
  virtual void Rebuild() {}

 protected:
  const TvxSkinReader* Reader() const { return reader_; }
  bool ReaderLoaded() const { return reader_ && reader_->Loaded(); }

 private:
  const TvxSkinReader* reader_ = nullptr;
};

}  // namespace skin
