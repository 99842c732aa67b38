#include "skinning/pictures/tab_picture.h"

#include <algorithm>
#include <array>

#include "skin/skin_keys.h"

namespace skinning {

namespace {

// The source runs and the target runs of one axis.
struct Run {
  int from;
  int fromLength;
  int to;
  int toLength;
};

std::array<Run, 3> Thirds(int source, int start, int target) {
  if (target <= source) {
    return {{{0, target, start, target}, {0, 0, 0, 0}, {0, 0, 0, 0}}};
  }
  const int third = source / 3;
  return {{{0, third, start, third},
           {third, source - 2 * third, start + third, target - 2 * third},
           {source - third, third, start + target - third, third}}};
}

}  // namespace

skin::TabTurn TurnFor(TabSide side) {
  switch (side) {
    case TabSide::kBottom:
      return skin::TabTurn::kHalf;
    case TabSide::kLeft:
      return skin::TabTurn::kCounterClockwise;
    case TabSide::kRight:
      return skin::TabTurn::kClockwise;
    case TabSide::kTop:
      break;
  }
  return skin::TabTurn::kNone;
}

void DrawByThirds(const image::Bitmap& source, image::Canvas& canvas, const image::Rect& rect,
                  std::optional<image::ColorRef> transparent) {
  if (source.IsEmpty() || rect.IsEmpty()) {
    return;
  }
  for (const Run& column : Thirds(source.Width(), rect.left, rect.Width())) {
    for (const Run& row : Thirds(source.Height(), rect.top, rect.Height())) {
      if (column.fromLength <= 0 || row.fromLength <= 0) {
        continue;
      }
      canvas.Stretch(source,
                     image::RectAt(column.from, row.from, column.fromLength, row.fromLength),
                     image::RectAt(column.to, row.to, column.toLength, row.toLength), transparent);
    }
  }
}

void DrawTab(const skin::TvxSkinReader& reader, const skin::TvxSkinTabRes& tabs,
             image::Canvas& canvas, const image::Rect& tab, TabSide side, bool selected) {
  const skin::TabTurn turn = TurnFor(side);
  const image::Bitmap& picture = selected ? tabs.SelectedTab(turn) : tabs.OtherTab(turn);
  DrawByThirds(picture, canvas, tab,
               reader.Flag(skin::kFlagTabControlTrans)
                   ? std::optional<image::ColorRef>(reader.Color(skin::kColorTrans))
                   : std::nullopt);
}

void DrawTabLine(const skin::TvxSkinTabRes& tabs, image::Canvas& canvas, const image::Rect& line,
                 TabSide side) {
  DrawByThirds(tabs.Line(TurnFor(side)), canvas, line, std::nullopt);
}

}  // namespace skinning
