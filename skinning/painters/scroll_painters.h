#pragma once

#include <windows.h>

#include <memory>

#include "skinning/painters/scroll_overlay.h"
#include "skinning/painters/skin_control.h"

namespace skinning {

// Edits and the border of every scrolling control: a frame in the skin's
// control border colour around the whole window with a second one inside
// it in the control's colour, in place of the system's sunken edge. The
// system draws the rest of the non-client area (the scroll bars); a
// control without a border gets nothing.
class TvxSkinBorderWinControl : public TvxSkinControlVCL {
 public:
  using TvxSkinControlVCL::TvxSkinControlVCL;
  bool BeforeMessage(ui::TMessage& message) override;
  void AfterMessage(ui::TMessage& message) override;
  // The border.
  void Paint() override { PaintBorder(); }

 protected:
  // The border, and the corner between two skinned scroll bars, in one
  // transfer to the window's non-client area.
  void PaintBorder();
  // Takes out of `region` (screen coordinates) the parts of the
  // non-client area that the painter's own panels lie over: the system
  // need not draw what nobody sees.
  virtual void ExcludeCovered(HRGN region) const { (void)region; }
  // The corner between the two scroll bars when the painter draws both,
  // in screen coordinates; empty otherwise.
  virtual RECT ScrollCorner() const { return {}; }

 private:
  bool HasBorder() const;
  void PaintNonClient(ui::TMessage& message);
};

// Scrolling controls (list views, tree views, edits): the border, and a
// panel over each scroll bar the control shows that draws the skin's bar
// while the engine draws scroll bars. Presses on a panel go to the
// control as presses on its own scroll bar, so the system scrolls.
class TvxSkinScrollWinControl : public TvxSkinBorderWinControl {
 public:
  TvxSkinScrollWinControl(TvxSkinWindow& window, ui::TControl& control);
  ~TvxSkinScrollWinControl() override;

  void AfterMessage(ui::TMessage& message) override;
  void UpdateLook() override;

 protected:
  void ExcludeCovered(HRGN region) const override;
  RECT ScrollCorner() const override;

 public:
  // The panel over the vertical or the horizontal bar; null until one was
  // needed.
  const ScrollOverlay* Overlay(bool vertical) const {
    return bars_[vertical ? 0 : 1].overlay.get();
  }

 private:
  struct Bar {
    bool vertical;
    std::unique_ptr<ScrollOverlay> overlay;
    SCROLLBARINFO shown{};
  };

  // A panel lies over the bar; `shown` is where.
  static bool Covered(const Bar& bar);
  // Lays the panels over the bars as they are now, or hides them.
  void SyncScrollBars();
  void SyncBar(Bar& bar);
  void PaintBar(const Bar& bar, DibBuffer& picture) const;
  void PassMouse(const Bar& bar, UINT message, LPARAM point);

  Bar bars_[2] = {{true, nullptr, {}}, {false, nullptr, {}}};
  bool redrawOff_ = false;
};

// Scroll-bar controls: a panel of the same parent and bounds lies over the
// control and draws the skin's bar; the mouse on it goes to the scroll bar
// at the same point, so the system scrolls.
class TvxSkinScrollBar final : public TvxSkinControlVCL {
 public:
  TvxSkinScrollBar(TvxSkinWindow& window, ui::TControl& control);
  ~TvxSkinScrollBar() override;

  void AfterMessage(ui::TMessage& message) override;
  void UpdateLook() override;
  const ScrollOverlay* Overlay() const { return overlay_.get(); }

 private:
  void Sync();
  void PaintBar(DibBuffer& picture) const;
  void PassMouse(UINT message, WPARAM wParam, LPARAM point);

  std::unique_ptr<ScrollOverlay> overlay_;
  SCROLLBARINFO shown_{};
  RECT placed_{};
};

}  // namespace skinning
