#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/window_class.h"

namespace win_test {

// Asks a test window for its answer, which it gives once linked to it.
constexpr UINT kAnswer = WM_APP + 1;
constexpr LRESULT kTheAnswer = 42;

// A hidden window of a class registered with the shared procedure, whose
// object notes every message it is given, answers kAnswer and runs
// `onMessage` (which may raise) for every other message.
class TestWindow : private win::WindowObject {
 public:
  explicit TestWindow(const std::string& className, HWND parent = HWND_MESSAGE);
  ~TestWindow();

  HWND Handle() const { return handle_; }
  // What the object was given, in order.
  const std::vector<UINT>& Messages() const { return messages_; }

  std::function<void(UINT message)> onMessage;

 private:
  LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND handle_ = nullptr;
  std::vector<UINT> messages_;
};

}  // namespace win_test
