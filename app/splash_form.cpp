#include "app/splash_form.h"

#include "app/bitmap_file.h"
#include "app/common_form.h"

namespace app {

namespace {

constexpr DWORD kFadeMilliseconds = 1000;
constexpr COLORREF kSeeThroughColor = RGB(128, 128, 128);

ui::TFormOptions SplashFormOptions() {
  ui::TFormOptions options;
  options.caption = "Vexmoor splash";
  options.left = 312;
  options.top = 233;
  options.clientWidth = 420;
  options.clientHeight = 300;
  options.borderStyle = ui::TBorderStyle::bsNone;
  options.className = "TfrmSplash";
  options.scaled = false;  // the picture's own size
  return options;
}

}  // namespace

TfrmSplash::TfrmSplash() : ui::TForm(SplashFormOptions()) {
  SetName("frmSplash");
  // A tool window stays off the taskbar; the layered style gives the colour
  // key; above all others, the splash is not hidden by a window that opens
  // meanwhile.
  SetWindowLongW(Handle(), GWL_EXSTYLE,
                 GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED | WS_EX_TOOLWINDOW);
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetLayeredWindowAttributes(Handle(), kSeeThroughColor, 255, LWA_COLORKEY);
  imageSplash = new ui::TImage(this, {0, 0, 420, 300});
  imageSplash->SetName("imageSplash");
  OnShow = [this](base::TComponent* sender) { FormShow(sender); };
  OnCloseQuery = [this](base::TComponent* sender, bool& canClose) {
    FormCloseQuery(sender, canClose);
  };
}

// A picture that cannot be loaded is reported, and the window then shows
// without it and without fading in.
void TfrmSplash::FormShow(base::TComponent*) {
  imageSplash->SetPicture(LoadBitmapFile(frmCommon->SplashFile));
  fade_.ShowAnimated(Handle(), kFadeMilliseconds);
  InvalidateTree(*this);
  SetActiveWindow(Handle());
}

void TfrmSplash::FormCloseQuery(base::TComponent*, bool&) {
  fade_.HideAnimated(Handle(), kFadeMilliseconds);
}

void InvalidateTree(ui::TControl& control) {
  RedrawWindow(control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace app
