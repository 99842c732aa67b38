#include "skinning/frames/title_bar_layout.h"

#include <algorithm>

namespace skinning {

namespace {

constexpr int kIconSize = 16;
constexpr int kButtonGap = 2;

// Normal, hot and pressed follow each other in the strip.
int FirstFrame(TitleHit kind, bool restorable) {
  switch (kind) {
    case TitleHit::kClose:
      return 16;
    case TitleHit::kMaximize:
      return restorable ? 10 : 7;
    case TitleHit::kMinimize:
      return 13;
    case TitleHit::kHelp:
      return 4;
    default:
      return 0;
  }
}

int StateOffset(TitleHit kind, const TitleBarState& state) {
  if (state.hover != kind) {
    return 0;
  }
  return state.pressed ? 2 : 1;
}

// A minimised window is a title bar alone: its icon and buttons sit in the
// middle of a 26-pixel bar.
int MinimizedTop(const SkinMetrics& metrics) {
  const int y = std::max((26 - metrics.buttonHeight) / 2, 0);
  return metrics.buttonHeight + y < 22 ? y + 2 : y;
}

// Three buttons take part in the space kept free; help does not.
int ButtonSpace(const SkinMetrics& metrics, const CaptionButtonSet& buttons) {
  const int shown =
      (buttons.close ? 1 : 0) + (buttons.maximize ? 1 : 0) + (buttons.minimize ? 1 : 0);
  return shown * metrics.buttonWidth + std::max(shown - 1, 0) * kButtonGap + 15;
}

}  // namespace

TitleBarLayout LayoutTitleBar(const SkinMetrics& metrics, const TitleBarState& state) {
  TitleBarLayout layout;
  const int top = state.minimized ? MinimizedTop(metrics) : metrics.buttonY;
  int x = state.minimized ? state.width - metrics.buttonWidth - 5
                          : state.width - metrics.buttonX - metrics.buttonWidth;
  const std::pair<TitleHit, bool> order[] = {{TitleHit::kClose, state.buttons.close},
                                             {TitleHit::kMaximize, state.buttons.maximize},
                                             {TitleHit::kMinimize, state.buttons.minimize},
                                             {TitleHit::kHelp, state.buttons.help}};
  for (const auto& [kind, shown] : order) {
    if (!shown) {
      continue;
    }
    const int frame = FirstFrame(kind, state.restorable) + StateOffset(kind, state);
    layout.buttons.push_back(
        {kind, image::RectAt(x, top, metrics.buttonWidth, metrics.buttonHeight), frame});
    x -= metrics.buttonWidth + kButtonGap;
  }

  if (state.showsIcon) {
    const int iconTop = state.minimized ? top : std::max(metrics.iconY, 4);
    layout.icon = image::RectAt(std::max(metrics.iconX, 0), iconTop, kIconSize, kIconSize);
  }
  layout.buttonSpace = ButtonSpace(metrics, state.buttons);
  layout.captionLeft = state.showsIcon ? metrics.iconX + 18 : metrics.iconX;
  layout.captionTop = state.minimized ? 4 : metrics.captionTop;
  layout.captionRoom = state.width - (metrics.iconX + 18) - layout.buttonSpace - 4 -
                       (metrics.fiveSectionTitle ? metrics.titlePlateWidth : 0);
  return layout;
}

TitleHit HitTestTitleBar(const TitleBarLayout& layout, int x, int y) {
  auto inside = [x, y](const image::Rect& rect) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
  };
  for (const CaptionButton& button : layout.buttons) {
    if (inside(button.rect)) {
      return button.kind;
    }
  }
  return inside(layout.icon) ? TitleHit::kIcon : TitleHit::kNone;
}

}  // namespace skinning
