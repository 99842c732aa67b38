#pragma once

#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>

#include "win/window_class.h"

namespace console {

// Class name of the runner's hidden message windows (message-only).
inline constexpr char kConsoleIOWindowClass[] = "VexmoorConsoleIO";

// The runner's hand-overs from its workers to the creating thread; wParam
// and lParam as noted.
constexpr UINT CIO_RECEIVE_OUTPUT = 0x1D11;  // chunk address, byte count
constexpr UINT CIO_RECEIVE_ERROR = 0x1D12;   // chunk address, byte count
constexpr UINT CIO_ERROR = 0x1D13;           // error text address, its length plus 1
constexpr UINT CIO_PROCESS_ENDED = 0x1D14;   // the run, 0
constexpr UINT CIO_WORKER_FAILED = 0x1D15;   // the worker's exception_ptr, 0

// The hidden window that carries the hand-overs to the thread that created
// it, where its window procedure passes each to the handler; an exception
// the handler raises, and a worker's failure handed over, goes to the
// process's exception report there. The component and every run whose
// workers may still send to it share the window, so a late SendMessage
// always meets this live window, never a destroyed one or a later window
// that reused its handle. Once detached the window ignores the hand-overs
// but a worker's failure, and the last holder destroys it: at once on the
// creating thread; else it lets go of the window and posts WM_CLOSE, which
// the default handling answers by destroying the window.
class MessageWindow final : private win::WindowObject {
 public:
  using Handler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

  explicit MessageWindow(Handler handler);
  ~MessageWindow();

  HWND Handle() const { return handle_; }
  // Once the component is gone, the workers stop handing over.
  bool Attached() const { return attached_.load(); }
  // On the creating thread, before the handler's target goes.
  void Detach() { attached_ = false; }
  // From a worker: its failure goes to the creating thread's report, also
  // once the window is detached.
  void HandOverFailure(std::exception_ptr error);

 private:
  LRESULT WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

  Handler handler_;
  HWND handle_;
  DWORD thread_;
  std::atomic<bool> attached_{true};
};

}  // namespace console
