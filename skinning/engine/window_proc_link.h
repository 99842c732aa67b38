#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/control.h"

namespace skinning {

// What a link does with one message: handle it, and hand it on to `next`
// (the handler it was put in front of) where it should go on.
using LinkHandler = std::function<void(ui::TMessage& message, const ui::TWndMethod& next)>;

// A handler put in front of one of our controls' window-procedure chain.
// Taken out when it goes, in any order with other links: when nobody has
// been put in front of it since, the chain is put back as it was;
// otherwise it stays in the chain and passes every message on untouched,
// so whoever came later keeps working. It never calls its handler again
// once taken out, and a control destroyed first is left alone.
class WindowProcLink {
 public:
  WindowProcLink(ui::TControl& control, LinkHandler handler);
  ~WindowProcLink();
  WindowProcLink(const WindowProcLink&) = delete;
  WindowProcLink& operator=(const WindowProcLink&) = delete;

  struct State;

 private:
  ui::TControl& control_;
  HWND window_;
  std::shared_ptr<State> state_;
};

// A handler put in front of a window we did not make (a system dialog box
// and its controls), through the common controls' subclassing, which
// can be undone in any order. Taken out when it goes, or when the window
// is destroyed first. Wine's common controls put the window's first
// procedure back when their last subclass goes, dropping whoever
// subclassed the plain way after them; so when someone has, the link stays
// in place and only passes messages on.
class SubclassLink {
 public:
  SubclassLink(HWND window, LinkHandler handler);
  ~SubclassLink();
  SubclassLink(const SubclassLink&) = delete;
  SubclassLink& operator=(const SubclassLink&) = delete;

  // Null once the window is gone or the link is taken out.
  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);
  void Remove();

  HWND window_;
  LinkHandler handler_;
  // The window's procedure right after the link was put in: the common
  // controls' own, as long as nobody subclassed the window after it.
  LONG_PTR subclassProcedure_ = 0;
};

}  // namespace skinning
