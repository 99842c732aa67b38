#include "skinning/engine/window_proc_link.h"

#include <commctrl.h>

#include "base/scoped_value.h"
#include "win/entry_guard.h"

namespace skinning {

struct WindowProcLink::State {
  ui::TWndMethod next;
  LinkHandler handler;
  bool removed = false;
  int running = 0;
};

namespace {

using State = WindowProcLink::State;

// The callable that sits in the chain. It keeps the state alive while it
// runs: the chain may be changed under it.
struct ChainEntry {
  std::shared_ptr<State> state;

  void operator()(ui::TMessage& message) const {
    const std::shared_ptr<State> current = state;
    if (current->removed) {
      current->next(message);
      return;
    }
    win::MessageScope scope;
    const base::ScopedValue running(current->running, current->running + 1);
    current->handler(message, current->next);
  }
};

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

WindowProcLink::WindowProcLink(ui::TControl& control, LinkHandler handler)
    : control_(control), window_(control.Handle()), state_(std::make_shared<State>()) {
  state_->next = control.WindowProc();
  state_->handler = std::move(handler);
  control.SetWindowProc(ChainEntry{state_});
}

WindowProcLink::~WindowProcLink() {
  state_->removed = true;
  if (ui::TControl::FromHandle(window_) != &control_ || state_->running > 0) {
    return;
  }
  const ChainEntry* front = control_.WindowProc().target<ChainEntry>();
  if (front && front->state == state_) {
    control_.SetWindowProc(state_->next);
  }
}

SubclassLink::SubclassLink(HWND window, LinkHandler handler)
    : window_(window), handler_(std::move(handler)) {
  if (!SetWindowSubclass(window_, &Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    window_ = nullptr;
    return;
  }
  subclassProcedure_ = GetWindowLongPtrW(window_, GWLP_WNDPROC);
}

SubclassLink::~SubclassLink() {
  Remove();
}

void SubclassLink::Remove() {
  if (window_ && IsWindow(window_)) {
    if (GetWindowLongPtrW(window_, GWLP_WNDPROC) == subclassProcedure_) {
      RemoveWindowSubclass(window_, &Procedure, kSubclassId);
    } else {
      SetWindowSubclass(window_, &Procedure, kSubclassId, 0);
    }
  }
  window_ = nullptr;
}

LRESULT CALLBACK SubclassLink::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR self) {
  auto* link = reinterpret_cast<SubclassLink*>(self);
  if (!link) {
    return DefSubclassProc(window, message, wParam, lParam);
  }
  ui::TMessage current{message, wParam, lParam, 0};
  // Open over the removal too: a release the message asked for may free
  // the link.
  win::MessageScope scope;
  const ui::TWndMethod next = [window](ui::TMessage& m) {
    m.Result = DefSubclassProc(window, m.Msg, m.WParam, m.LParam);
  };
  win::GuardedCall([&] { link->handler_(current, next); });
  if (message == WM_NCDESTROY) {
    link->Remove();
  }
  return current.Result;
}

}  // namespace skinning
