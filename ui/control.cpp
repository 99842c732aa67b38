#include "ui/control.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/application.h"
#include "ui/menu.h"
#include "win/code_page.h"
#include "win/deferred_release.h"
#include "win/entry_guard.h"
#include "win/os_error.h"
#include "win/window_text.h"

namespace ui {
namespace {

// Our subclass among any others of a window of a system class.
constexpr UINT_PTR kSubclassId = 1;

// Child-window ids are unique in the process, so a parent can find any
// child by id (WM_MEASUREITEM names the control only by its id) and a
// default button by the id DM_GETDEFID answers.
HMENU NextControlId() {
  static UINT next = 1000;
  const UINT id = next;
  next = next >= 0xFFFF ? 1000 : next + 1;
  return reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
}

bool IsOwnWindowClass(const wchar_t* name, WNDPROC trampoline) {
  WNDCLASSEXW info{};
  info.cbSize = sizeof info;
  return GetClassInfoExW(GetModuleHandleW(nullptr), name, &info) && info.lpfnWndProc == trampoline;
}

// Forms are laid out for 96 dots per inch; with large fonts the texts grow,
// and so must the room they are given.
TBounds ForScreen(const TBounds& bounds) {
  return TBounds{ToScreenPixels(bounds.left), ToScreenPixels(bounds.top),
                 ToScreenPixels(bounds.width), ToScreenPixels(bounds.height)};
}

bool IsReflectedMessage(UINT message) {
  return message >= CN_BASE && message < CN_BASE + WM_USER;
}

}  // namespace

TControl::TControl(TControl* parent, const TWindowClass& windowClass, const TBounds& bounds,
                   const std::string& caption, HWND ownerWindow)
    : base::TComponent(parent),
      parent_(parent),
      scaled_(parent ? parent->scaled_ : true),
      windowProc_([this](TMessage& message) { WndProc(message); }),
      color_(parent ? parent->color_ : clBtnFace),
      font_(parent ? parent->font_ : TFont()) {
  Application().Initialize();
  DWORD style = windowClass.style;
  HWND parentWindow = ownerWindow;
  HMENU id = nullptr;
  TBounds placed = bounds;
  if (parent) {
    if (scaled_) {
      placed = ForScreen(bounds);
    }
    style |= WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    parentWindow = parent->handle_;
    id = NextControlId();
  }
  // Our own window classes bind the object at WM_NCCREATE; the standard
  // ones are subclassed right after creation.
  const bool ownClass = IsOwnWindowClass(windowClass.name, &WindowTrampoline);
  HWND window =
      CreateWindowExW(windowClass.exStyle, windowClass.name, win::Utf8ToWide(caption).c_str(),
                      style, placed.left, placed.top, placed.width, placed.height, parentWindow, id,
                      GetModuleHandleW(nullptr), ownClass ? this : nullptr);
  if (!window) {
    win::RaiseLastOSError();
  }
  if (!ownClass) {
    classProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    handle_ = window;
    SetWindowSubclass(window, &SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  }
  font_.SetOnChange([this] {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
  });
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
}

// The owned controls go first, while this control is whole; then the window.
// A control freed by one of its own messages (a click that frees the form)
// keeps the chain that message runs in until the message is done.
TControl::~TControl() {
  if (Watched()) {
    win::ReleaseWhenIdle([running = std::move(windowProc_)] { (void)running; });
  }
  DestroyComponents();
  if (!handle_) {
    return;
  }
  HWND window = handle_;
  LetGo();
  DestroyWindow(window);
}

// Our own window classes keep their control in the window's user data, the
// subclassed windows in their subclass data.
TControl* TControl::FromHandle(HWND window) {
  if (!window) {
    return nullptr;
  }
  if (GetClassLongPtrW(window, GCLP_WNDPROC) == reinterpret_cast<ULONG_PTR>(&WindowTrampoline)) {
    return reinterpret_cast<TControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  DWORD_PTR control = 0;
  GetWindowSubclass(window, &SubclassProcedure, kSubclassId, &control);
  return reinterpret_cast<TControl*>(control);
}

// A window of our own class, at WM_NCCREATE.
void TControl::Bind(HWND window) {
  handle_ = window;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

// The window is being destroyed: it takes nothing further to the control.
void TControl::Unbind() {
  if (classProc_) {
    RemoveWindowSubclass(handle_, &SubclassProcedure, kSubclassId);
  } else {
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  }
  handle_ = nullptr;
}

// The control goes before its window. Our subclass stays until the window
// is destroyed and passes every message on, so that whoever subclassed the
// window after us keeps working to the end.
void TControl::LetGo() {
  if (classProc_) {
    SetWindowSubclass(handle_, &SubclassProcedure, kSubclassId, 0);
  } else {
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  }
  handle_ = nullptr;
}

LRESULT CALLBACK TControl::WindowTrampoline(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* control = reinterpret_cast<TControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!control && message == WM_NCCREATE) {
    control = static_cast<TControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    control->Bind(window);
  }
  if (!control) {  // before WM_NCCREATE, or let go of by its control
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return control->Deliver(window, message, wParam, lParam);
}

LRESULT CALLBACK TControl::SubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR control) {
  if (control) {
    return reinterpret_cast<TControl*>(control)->Deliver(window, message, wParam, lParam);
  }
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &SubclassProcedure, kSubclassId);
  }
  return result;
}

LRESULT TControl::Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TMessage current{message, wParam, lParam, 0};
  const Watch watch(*this);
  win::GuardedCall([&] { windowProc_(current); });
  if (watch.Gone()) {
    return current.Result;
  }
  if (message == WM_NCDESTROY && handle_ == window) {
    Unbind();
  }
  return current.Result;
}

LRESULT TControl::Perform(UINT message, WPARAM wParam, LPARAM lParam) {
  TMessage current{message, wParam, lParam, 0};
  const Watch watch(*this);
  windowProc_(current);
  return current.Result;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_CTLCOLORBTN:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC:
      AnswerControlColor(message);
      return;
    case WM_CONTEXTMENU:
      if (popupMenu_) {
        ShowPopupMenu(message);
        return;
      }
      break;
  }
  // A reflected notification the control does not handle ends here: the
  // window class never sees our private numbers.
  if (IsReflectedMessage(message.Msg)) {
    return;
  }
  if (ReflectToChild(message)) {
    return;
  }
  DefaultHandler(message);
}

// Ours is the first subclass of a subclassed window, so the class's
// procedure comes next: called directly, it spares every message the
// common controls' look-up of their subclass data, a window property that
// Wine keeps in its server.
void TControl::DefaultHandler(TMessage& message) {
  WNDPROC proc = classProc_ ? classProc_ : DefWindowProcW;
  message.Result = CallWindowProcW(proc, handle_, message.Msg, message.WParam, message.LParam);
}

void TControl::EraseWithColor(TMessage& message) {
  RECT client{};
  GetClientRect(handle_, &client);
  FillRect(reinterpret_cast<HDC>(message.WParam), &client, ColorBrush());
  message.Result = 1;
}

bool TControl::ReflectToChild(TMessage& message) {
  HWND child = nullptr;
  switch (message.Msg) {
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      child = reinterpret_cast<HWND>(message.LParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom;
      break;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
      if (item->CtlType != ODT_MENU) {
        child = item->hwndItem;
      }
      break;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      if (item->CtlType != ODT_MENU) {
        child = GetDlgItem(handle_, static_cast<int>(item->CtlID));
      }
      break;
    }
    default:
      return false;
  }
  TControl* target = FromHandle(child);
  if (!target || target == this) {
    return false;
  }
  message.Result = target->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

void TControl::AnswerControlColor(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, ColorToRGB(font_.Color()));
  SetBkColor(dc, ColorToRGB(color_));
  message.Result = reinterpret_cast<LRESULT>(ColorBrush());
}

void TControl::ShowPopupMenu(TMessage& message) {
  POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  if (at.x == -1 && at.y == -1) {  // from the keyboard: at the control's corner
    at = POINT{0, 0};
    ClientToScreen(handle_, &at);
  }
  popupMenu_->Popup(at.x, at.y, handle_);
}

HBRUSH TControl::ColorBrush() {
  if (!colorBrush_) {
    colorBrush_.Reset(CreateSolidBrush(ColorToRGB(color_)));
  }
  return colorBrush_.Get();
}

TBounds TControl::Bounds() const {
  RECT rect{};
  GetWindowRect(handle_, &rect);
  if (parent_) {
    MapWindowPoints(HWND_DESKTOP, parent_->handle_, reinterpret_cast<POINT*>(&rect), 2);
  }
  return TBounds{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void TControl::SetBounds(const TBounds& bounds) {
  SetWindowPos(handle_, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string TControl::Caption() const {
  return win::WideToUtf8(win::WindowTextOf(handle_));
}

void TControl::SetCaption(const std::string& caption) {
  SetWindowTextW(handle_, win::Utf8ToWide(caption).c_str());
}

void TControl::SetEnabled(bool enabled) {
  EnableWindow(handle_, enabled);
}

bool TControl::Visible() const {
  return (GetWindowLongW(handle_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void TControl::SetVisible(bool visible) {
  ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

void TControl::SetColor(TColor color) {
  color_ = color;
  colorBrush_.Reset();
  InvalidateRect(handle_, nullptr, TRUE);
}

}  // namespace ui
