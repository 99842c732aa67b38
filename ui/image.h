#pragma once

#include "ui/control.h"
#include "win/unique.h"

namespace ui {

// A control that shows a picture unscaled from its top-left corner; the
// rest of it shows the control's colour.
class TImage : public TControl {
 public:
  TImage(TControl* parent, const TBounds& bounds);

  void SetPicture(win::UniqueBitmap picture);

 protected:
  void WndProc(TMessage& message) override;

 private:
  void Paint();

  win::UniqueBitmap picture_;
};

}  // namespace ui
