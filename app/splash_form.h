#pragma once

#include "app/window_fade.h"
#include "ui/form.h"
#include "ui/image.h"

namespace app {

// The splash window of start-up: the language set's picture in a borderless
// window at its fixed place, faded in when shown and out when closed. Its
// grey (128, 128, 128) pixels are see-through.
class TfrmSplash : public ui::TForm {
 public:
  TfrmSplash();

  ui::TImage* imageSplash;

 private:
  void FormShow(base::TComponent* sender);
  void FormCloseQuery(base::TComponent* sender, bool& canClose);

  WindowFade fade_;
};

// Invalidates the control's window and, within it, those of all the
// controls it holds.
void InvalidateTree(ui::TControl& control);

}  // namespace app
