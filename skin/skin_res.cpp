#include "skin/skin_res.h"

namespace skin {

void TvxSkinRes::SetReader(const TvxSkinReader* reader) {
  reader_ = reader;
  Rebuild();
}

}  // namespace skin
