#pragma once

#include <windows.h>

namespace app {

// Shows and hides a window with the system's blend animation, each call
// returning when its time is up. Where the system does not animate (Wine
// shows or hides at once), the window is still on the screen for the whole
// time: shown at once and kept, and kept before it is hidden.
class WindowFade {
 public:
  void ShowAnimated(HWND window, DWORD milliseconds);
  void HideAnimated(HWND window, DWORD milliseconds);

 private:
  // Whether the last showing took its time, which tells how the system
  // will hide.
  bool systemAnimates_ = true;
};

}  // namespace app
