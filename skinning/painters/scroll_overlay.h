#pragma once

#include <windows.h>

#include <functional>

#include "skinning/painters/dib_buffer.h"
#include "win/window_class.h"

namespace skinning {

// A panel laid over a scroll bar: a child window of the scroll bar's
// parent, above its siblings, that shows the skin's scroll bar and hands
// the mouse on, so the system still does the scrolling. It paints in its
// own paint message, through its picture, in one transfer.
class ScrollOverlay final : private win::WindowObject {
 public:
  // Draws the bar on the picture, which is the panel's size.
  using PaintHandler = std::function<void(DibBuffer& picture)>;
  // A mouse message on the panel, its point in the panel's client area.
  using MouseHandler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

  ScrollOverlay(HWND parent, PaintHandler paint, MouseHandler mouse);
  // The panel goes with it, unless its parent took it first.
  ~ScrollOverlay();
  ScrollOverlay(const ScrollOverlay&) = delete;
  ScrollOverlay& operator=(const ScrollOverlay&) = delete;

  HWND Handle() const { return window_; }
  // Shown where its parent is: whether the parent shows is the parent's.
  bool Shown() const { return window_ && (GetWindowLongW(window_, GWL_STYLE) & WS_VISIBLE) != 0; }
  // Lays the panel over `rect` of the parent's client area, in front of
  // its siblings, and has it painted.
  void ShowAt(const RECT& rect);
  void Hide();
  // Has the panel painted at its next paint.
  void Invalidate();
  const DibBuffer& Picture() const { return picture_; }

 private:
  LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // The panel's picture, drawn afresh.
  void Compose();

  HWND window_ = nullptr;
  PaintHandler paint_;
  MouseHandler mouse_;
  DibBuffer picture_;
};

}  // namespace skinning
