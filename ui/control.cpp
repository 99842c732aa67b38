#include "ui/control.h"

#include <windowsx.h>

#include "ui/application.h"
#include "ui/menu.h"
#include "win/code_page.h"
#include "win/entry_guard.h"
#include "win/os_error.h"
#include "win/window_text.h"

namespace ui {
namespace {

const wchar_t kControlProperty[] = L"Vexmoor.Control";

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

bool IsReflectedMessage(UINT message) {
  return message >= CN_BASE && message < CN_BASE + WM_USER;
}

}  // namespace

TControl::TControl(TControl* parent, const TWindowClass& windowClass, const TBounds& bounds,
                   const std::string& caption, HWND ownerWindow)
    : base::TComponent(parent),
      parent_(parent),
      windowProc_([this](TMessage& message) { WndProc(message); }),
      color_(parent ? parent->color_ : clBtnFace),
      font_(parent ? parent->font_ : TFont()) {
  Application().Initialize();
  DWORD style = windowClass.style;
  HWND parentWindow = ownerWindow;
  HMENU id = nullptr;
  if (parent) {
    style |= WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    parentWindow = parent->handle_;
    id = NextControlId();
  }
  // Our own window classes bind the object at WM_NCCREATE; the standard
  // ones are subclassed right after creation.
  const bool ownClass = IsOwnWindowClass(windowClass.name, &WindowTrampoline);
  HWND window =
      CreateWindowExW(windowClass.exStyle, windowClass.name, win::Utf8ToWide(caption).c_str(),
                      style, bounds.left, bounds.top, bounds.width, bounds.height, parentWindow, id,
                      GetModuleHandleW(nullptr), ownClass ? this : nullptr);
  if (!window)
    win::RaiseLastOSError();
  if (!ownClass) {
    classProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    Bind(window);
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowTrampoline));
  }
  font_.SetOnChange([this] {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), TRUE);
  });
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
}

// The owned controls go first, while this control is whole; then the window.
TControl::~TControl() {
  DestroyComponents();
  if (!handle_)
    return;
  HWND window = handle_;
  Unbind();
  DestroyWindow(window);
}

// Asked for every message: while our trampoline is the window's procedure,
// the window's user data says it at once; a window property, which Wine
// keeps in its server, says it otherwise.
TControl* TControl::FromHandle(HWND window) {
  if (!window)
    return nullptr;
  if (GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WindowTrampoline))
    return reinterpret_cast<TControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return static_cast<TControl*>(GetPropW(window, kControlProperty));
}

void TControl::Bind(HWND window) {
  handle_ = window;
  SetPropW(window, kControlProperty, this);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TControl::Unbind() {
  if (classProc_ &&
      GetWindowLongPtrW(handle_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WindowTrampoline))
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(classProc_));
  RemovePropW(handle_, kControlProperty);
  SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  handle_ = nullptr;
}

LRESULT CALLBACK TControl::WindowTrampoline(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  TControl* control = FromHandle(window);
  if (!control && message == WM_NCCREATE) {
    control = static_cast<TControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    control->Bind(window);
  }
  if (!control) {
    // A window let go of while someone else's procedure still calls ours.
    auto classProc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
    if (classProc == &WindowTrampoline)
      return DefWindowProcW(window, message, wParam, lParam);
    return CallWindowProcW(classProc, window, message, wParam, lParam);
  }
  TMessage current{message, wParam, lParam, 0};
  win::GuardedCall([&] { control->windowProc_(current); });
  if (message == WM_NCDESTROY && control->handle_ == window)
    control->Unbind();
  return current.Result;
}

LRESULT TControl::Perform(UINT message, WPARAM wParam, LPARAM lParam) {
  TMessage current{message, wParam, lParam, 0};
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
  if (IsReflectedMessage(message.Msg))
    return;
  if (ReflectToChild(message))
    return;
  DefaultHandler(message);
}

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
      if (item->CtlType != ODT_MENU)
        child = item->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      if (item->CtlType != ODT_MENU)
        child = GetDlgItem(handle_, static_cast<int>(item->CtlID));
      break;
    }
    default:
      return false;
  }
  TControl* target = FromHandle(child);
  if (!target || target == this)
    return false;
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
  if (!colorBrush_)
    colorBrush_.Reset(CreateSolidBrush(ColorToRGB(color_)));
  return colorBrush_.Get();
}

TBounds TControl::Bounds() const {
  RECT rect{};
  GetWindowRect(handle_, &rect);
  if (parent_)
    MapWindowPoints(HWND_DESKTOP, parent_->handle_, reinterpret_cast<POINT*>(&rect), 2);
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
