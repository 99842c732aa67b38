#pragma once

#include "image/canvas.h"
#include "image/rect.h"
#include "skin/skin_reader.h"

namespace skinning {

// A track bar on its form: the form colour, the skin's channel over the
// channel rectangle (its transparent pixels already in the form colour),
// and the thumb of a horizontal or vertical bar over the thumb rectangle,
// masked with the transparent colour.
void DrawTrackBar(const skin::TvxSkinReader& reader, image::Canvas& canvas,
                  const image::Rect& client, const image::Rect& channel, const image::Rect& thumb,
                  bool vertical);

}  // namespace skinning
