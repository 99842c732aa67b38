#include "skinning/engine/screen_scale.h"

#include <windows.h>

#include "win/gdi.h"

namespace skinning {

namespace {

constexpr int kDesignDpi = 96;

}  // namespace

// Fixed for the life of the process: a program unaware of the setting
// keeps the one it started with.
int ScreenDpi() {
  static const int dpi = [] {
    const win::ClientDC screen(nullptr);
    const int measured = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return measured > 0 ? measured : kDesignDpi;
  }();
  return dpi;
}

int ToDesignPixels(int screenPixels) {
  return MulDiv(screenPixels, kDesignDpi, ScreenDpi());
}

int ToScreenPixels(int designPixels) {
  return MulDiv(designPixels, ScreenDpi(), kDesignDpi);
}

}  // namespace skinning
