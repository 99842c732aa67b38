#pragma once

#include <optional>

#include "image/bitmap.h"
#include "image/canvas.h"
#include "image/rect.h"
#include "skin/skin_reader.h"
#include "skin/skin_tab_res.h"

namespace skinning {

// Which side of a tab control its tabs are on.
enum class TabSide { kTop, kBottom, kLeft, kRight };

// The turn of the skin's tab pictures for tabs on that side.
skin::TabTurn TurnFor(TabSide side);

// A picture stretched over `rect` by thirds: along each axis on which the
// rectangle is larger than the picture, the first and last thirds keep
// their size and the middle third is stretched; along an axis on which it
// is not, the picture keeps its size and is cut. Pixels of `transparent`
// are left out when it is given.
void DrawByThirds(const image::Bitmap& source, image::Canvas& canvas, const image::Rect& rect,
                  std::optional<image::ColorRef> transparent);

// One tab from the skin's tab strip (the selected tab's frame or the other
// tabs'), turned for its side, masked with the transparent colour when the
// skin draws tabs transparent.
void DrawTab(const skin::TvxSkinReader& reader, const skin::TvxSkinTabRes& tabs,
             image::Canvas& canvas, const image::Rect& tab, TabSide side, bool selected);

// The line along the tabs, from the skin's tab line turned for the side.
void DrawTabLine(const skin::TvxSkinTabRes& tabs, image::Canvas& canvas, const image::Rect& line,
                 TabSide side);

}  // namespace skinning
