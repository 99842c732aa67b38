#pragma once

#include <vector>

#include "image/rect.h"
#include "skinning/engine/skin_metrics.h"

namespace skinning {

// What the mouse is over in a skinned title bar. The numbers are those the
// frame keeps as its hover target.
enum class TitleHit : int {
  kNone = -1,
  kIcon = 0,
  kClose = 1,
  kMaximize = 2,
  kMinimize = 3,
  kHelp = 4
};

struct CaptionButtonSet {
  bool close = false;
  bool maximize = false;
  bool minimize = false;
  bool help = false;
};

// The window as the title bar shows it.
struct TitleBarState {
  int width = 0;
  CaptionButtonSet buttons;
  bool showsIcon = false;
  bool minimized = false;
  // Maximized or minimized: the maximize button shows the restore frames.
  bool restorable = false;
  TitleHit hover = TitleHit::kNone;
  bool pressed = false;
};

struct CaptionButton {
  TitleHit kind;
  image::Rect rect;
  int frame;  // of the 18-frame caption-button strip, counted from 1
};

// Where the parts of a title bar go, in window coordinates.
struct TitleBarLayout {
  image::Rect icon;                    // empty when the window shows none
  std::vector<CaptionButton> buttons;  // close, maximize, minimize, help: those shown
  int captionLeft = 0;
  int captionTop = 0;
  int captionRoom = 0;  // the width the caption may take before it is shortened
  int buttonSpace = 0;  // what the buttons keep free at the right end
};

TitleBarLayout LayoutTitleBar(const SkinMetrics& metrics, const TitleBarState& state);

// The button or icon under a point in window coordinates; kNone over the
// rest of the title bar.
TitleHit HitTestTitleBar(const TitleBarLayout& layout, int x, int y);

}  // namespace skinning
