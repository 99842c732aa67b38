#include "skinning/menus/skin_menu_bar.h"

#include <windowsx.h>

#include "skinning/engine/skin_engine.h"
#include "skinning/engine/window_messages.h"
#include "skinning/menus/menu_layout.h"
#include "win/code_page.h"
#include "win/entry_guard.h"
#include "win/gdi.h"
#include "win/window_class.h"

namespace skinning {

namespace {

constexpr int kButtonPadding = 8;     // each side of a caption
constexpr int kButtonTextMargin = 8;  // above and below a caption, together
constexpr int kEtchedLineRows = 2;
constexpr image::ColorRef kEtchedShadow = 0x808080;
constexpr image::ColorRef kEtchedLight = 0xFFFFFF;

TvxSkinMenuBar* trackingBar = nullptr;

std::wstring CaptionOf(const ui::TMenuItem& item) {
  return win::Utf8ToWide(item.Caption());
}

wchar_t UpperAscii(wchar_t key) {
  return key >= L'a' && key <= L'z' ? static_cast<wchar_t>(key - L'a' + L'A') : key;
}

// The message filter is set only while a menu of the bar is down.
class MenuFilterHook {
 public:
  explicit MenuFilterHook(HOOKPROC procedure)
      : hook_(SetWindowsHookExW(WH_MSGFILTER, procedure, nullptr, GetCurrentThreadId())) {}
  ~MenuFilterHook() {
    if (hook_) {
      UnhookWindowsHookEx(hook_);
    }
  }
  MenuFilterHook(const MenuFilterHook&) = delete;
  MenuFilterHook& operator=(const MenuFilterHook&) = delete;

 private:
  HHOOK hook_;
};

}  // namespace

// A window class of our own, whose messages reach the control's chain.
const wchar_t* TvxSkinMenuBar::WindowClassName() {
  return win::RegisterWindowClass("TvxSkinMenuBar", 0, &TvxSkinMenuBar::WindowTrampoline);
}

TvxSkinMenuBar::TvxSkinMenuBar(ui::TForm& form, TvxSkinEngine& engine, ui::TMainMenu& menu)
    : ui::TControl(&form, ui::TWindowClass{WindowClassName(), 0}, ui::TBounds{0, 0, 0, 0}, ""),
      form_(form),
      engine_(engine),
      menu_(menu) {
  SetName("vxSkinMenuBar");
  Rebuild();
}

TvxSkinMenuBar::~TvxSkinMenuBar() {
  if (trackingBar == this) {
    trackingBar = nullptr;
  }
}

void TvxSkinMenuBar::Rebuild() {
  items_.clear();
  for (int i = 0; i < menu_.Items().Count(); ++i) {
    items_.push_back(menu_.Items().Item(i));
  }
  std::vector<int> widths;
  {
    win::ClientDC screen(nullptr);
    win::SelectedObject font(screen.Get(), engine_.MenuFont());
    int textHeight = 0;
    for (ui::TMenuItem* item : items_) {
      const std::wstring caption = CaptionOf(*item);
      RECT rect{0, 0, 0, 0};
      DrawTextW(screen.Get(), caption.c_str(), static_cast<int>(caption.size()), &rect,
                DT_SINGLELINE | DT_CALCRECT);
      widths.push_back(rect.right + 2 * kButtonPadding);
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.Get(), &metrics);
    textHeight = metrics.tmHeight;
    RECT client{};
    GetClientRect(form_.Handle(), &client);
    const MenuBarLayout layout =
        LayoutMenuBar(widths, client.right, textHeight + kButtonTextMargin);
    buttons_ = layout.buttons;
    height_ = layout.height + kEtchedLineRows;
    SetBounds({0, 0, client.right, height_});
  }
  hot_ = pressed_ = keyboardIndex_ = -1;
  InvalidateRect(Handle(), nullptr, FALSE);
}

int TvxSkinMenuBar::Highlighted() const {
  if (pressed_ >= 0) {
    return pressed_;
  }
  return keyboardIndex_ >= 0 ? keyboardIndex_ : hot_;
}

void TvxSkinMenuBar::WndProc(ui::TMessage& message) {
  switch (message.Msg) {
    case kMsgIsSkinned:
      message.Result = 1;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_PAINT:
      Paint();
      return;
    case WM_MOUSEMOVE: {
      POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      ClientToScreen(Handle(), &at);
      SetHot(ButtonAt(at));
      TRACKMOUSEEVENT track{};
      track.cbSize = sizeof track;
      track.dwFlags = TME_LEAVE;
      track.hwndTrack = Handle();
      TrackMouseEvent(&track);
      return;
    }
    case WM_MOUSELEAVE:
      SetHot(-1);
      return;
    case WM_LBUTTONDOWN: {
      POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      ClientToScreen(Handle(), &at);
      const int index = ButtonAt(at);
      if (index >= 0) {
        DropDown(index, false);
      }
      return;
    }
    case WM_GETDLGCODE:
      if (keyboardIndex_ >= 0) {
        message.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
      }
      break;
    case WM_KEYDOWN:
      if (keyboardIndex_ >= 0) {
        KeyDown(message.WParam);
        return;
      }
      break;
    case WM_CHAR:
      if (keyboardIndex_ >= 0) {
        OpenByKey(static_cast<wchar_t>(message.WParam));
        return;
      }
      break;
    case WM_KILLFOCUS:
      if (keyboardIndex_ >= 0) {
        keyboardIndex_ = -1;
        focusBefore_ = nullptr;
        InvalidateRect(Handle(), nullptr, FALSE);
      }
      break;
  }
  ui::TControl::WndProc(message);
}

void TvxSkinMenuBar::KeyDown(WPARAM key) {
  const int count = ButtonCount();
  switch (key) {
    case VK_LEFT:
      keyboardIndex_ = (keyboardIndex_ + count - 1) % count;
      InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case VK_RIGHT:
      keyboardIndex_ = (keyboardIndex_ + 1) % count;
      InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN:
      DropDown(keyboardIndex_, true);
      break;
    case VK_ESCAPE:
    case VK_F10:
      LeaveKeyboardMode();
      break;
  }
}

void TvxSkinMenuBar::ToggleKeyboardMode() {
  if (keyboardIndex_ >= 0) {
    LeaveKeyboardMode();
    return;
  }
  if (items_.empty()) {
    return;
  }
  focusBefore_ = GetFocus();
  keyboardIndex_ = 0;
  SetFocus(Handle());
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TvxSkinMenuBar::LeaveKeyboardMode() {
  keyboardIndex_ = -1;
  HWND previous = focusBefore_;
  focusBefore_ = nullptr;
  if (previous && IsWindow(previous) && GetFocus() == Handle()) {
    SetFocus(previous);
  }
  InvalidateRect(Handle(), nullptr, FALSE);
}

int TvxSkinMenuBar::KeyIndex(wchar_t key) const {
  for (int i = 0; i < ButtonCount(); ++i) {
    if (MenuMnemonic(CaptionOf(*items_[i])) == UpperAscii(key)) {
      return i;
    }
  }
  return -1;
}

bool TvxSkinMenuBar::OpenByKey(wchar_t key) {
  const int index = KeyIndex(key);
  if (index < 0) {
    return false;
  }
  DropDown(index, true);
  return true;
}

void TvxSkinMenuBar::MenuSelected(HMENU menu, UINT flags) {
  selectedMenu_ = menu;
  selectedOpensMenu_ = (flags & MF_POPUP) != 0;
}

void TvxSkinMenuBar::SetHot(int index) {
  if (index == hot_) {
    return;
  }
  hot_ = index;
  InvalidateRect(Handle(), nullptr, FALSE);
}

int TvxSkinMenuBar::ButtonAt(POINT screen) const {
  POINT at = screen;
  ScreenToClient(Handle(), &at);
  for (int i = 0; i < ButtonCount(); ++i) {
    const image::Rect& r = buttons_[i];
    if (at.x >= r.left && at.x < r.right && at.y >= r.top && at.y < r.bottom) {
      return i;
    }
  }
  return -1;
}

void TvxSkinMenuBar::DropDown(int index, bool fromKeyboard) {
  const bool keyboardMode = keyboardIndex_ >= 0;
  while (index >= 0) {
    index = Track(index, fromKeyboard);
    fromKeyboard = switchByKeyboard_;
  }
  if (keyboardMode && keyboardIndex_ >= 0) {
    LeaveKeyboardMode();
  }
  POINT cursor{};
  GetCursorPos(&cursor);
  hot_ = ButtonAt(cursor);
  InvalidateRect(Handle(), nullptr, FALSE);
}

int TvxSkinMenuBar::Track(int index, bool fromKeyboard) {
  ui::TMenuItem& item = *items_[index];
  if (item.Count() == 0) {
    item.Click();
    return -1;
  }
  pressed_ = index;
  hot_ = -1;
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

  const image::Rect& r = buttons_[index];
  RECT button{r.left, r.top, r.right, r.bottom};
  MapWindowPoints(Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&button), 2);
  TPMPARAMS params{};
  params.cbSize = sizeof params;
  params.rcExclude = button;
  tracked_ = item.Handle();
  selectedMenu_ = tracked_;
  selectedOpensMenu_ = false;
  switchTo_ = -1;
  if (fromKeyboard) {
    PostMessageW(form_.Handle(), WM_KEYDOWN, VK_DOWN, 0);
  }
  UINT command = 0;
  {
    trackingBar = this;
    MenuFilterHook filter(&FilterMenuMessages);
    command = TrackPopupMenuEx(
        tracked_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL | TPM_RETURNCMD | TPM_LEFTBUTTON,
        button.left, button.bottom, form_.Handle(), &params);
    trackingBar = nullptr;
  }
  tracked_ = nullptr;
  pressed_ = -1;
  if (command) {
    InvalidateRect(Handle(), nullptr, FALSE);
    if (ui::TMenuItem* chosen = ui::TMenuItem::FromCommand(command)) {
      chosen->Click();
    }
    return -1;
  }
  return switchTo_;
}

LRESULT CALLBACK TvxSkinMenuBar::FilterMenuMessages(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  const auto filter = [message] { return trackingBar->FilterMenuMessage(*message); };
  if (code == MSGF_MENU && trackingBar && win::Guarded(false, filter)) {
    return TRUE;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Moves to a neighbouring menu: the mouse over another button, Left where
// no submenu is open, Right on an item that opens none. A click on the
// open menu's own button closes it.
bool TvxSkinMenuBar::FilterMenuMessage(const MSG& message) {
  const int count = ButtonCount();
  auto switchTo = [this](int index, bool byKeyboard) {
    switchTo_ = index;
    switchByKeyboard_ = byKeyboard;
    EndMenu();
    return true;
  };
  switch (message.message) {
    case WM_MOUSEMOVE: {
      const int index = ButtonAt(message.pt);
      return index >= 0 && index != pressed_ && switchTo(index, false);
    }
    case WM_LBUTTONDOWN: {
      const int index = ButtonAt(message.pt);
      if (index == pressed_) {
        EndMenu();
        return true;
      }
      return index >= 0 && switchTo(index, false);
    }
    case WM_KEYDOWN:
      if (message.wParam == VK_LEFT && selectedMenu_ == tracked_) {
        return switchTo((pressed_ + count - 1) % count, true);
      }
      if (message.wParam == VK_RIGHT && !selectedOpensMenu_) {
        return switchTo((pressed_ + 1) % count, true);
      }
      return false;
  }
  return false;
}

void TvxSkinMenuBar::Paint() {
  const win::PaintDC paint(Handle());
  Compose();
  picture_.CopyTo(paint.Get(), 0, 0);
}

void TvxSkinMenuBar::Compose() {
  RECT client{};
  GetClientRect(Handle(), &client);
  picture_.Resize(client.right, client.bottom);
  const SkinMetrics& metrics = engine_.Metrics();
  image::Canvas& canvas = picture_.Canvas();
  const image::ColorRef bar = metrics.MenuColor(skin::kColorMenuBarStart);
  canvas.Fill({0, 0, client.right, client.bottom}, bar);
  if (bar != metrics.formColor) {
    canvas.Fill({0, client.bottom - 2, client.right, client.bottom - 1}, kEtchedShadow);
    canvas.Fill({0, client.bottom - 1, client.right, client.bottom}, kEtchedLight);
  }
  HDC dc = picture_.Dc();
  win::SelectedObject font(dc, engine_.MenuFont());
  SetBkMode(dc, TRANSPARENT);
  for (int i = 0; i < ButtonCount(); ++i) {
    DrawButton(i);
  }
  GdiFlush();
}

// Hot or pressed: the skin's selected top-level colours, a pressed button
// a little narrower with its caption moved right; otherwise just the
// caption.
void TvxSkinMenuBar::DrawButton(int index) {
  const SkinMetrics& metrics = engine_.Metrics();
  image::Rect r = buttons_[index];
  const bool pressed = index == pressed_;
  const bool lit = pressed || index == Highlighted();
  image::ColorRef text = metrics.MenuColor(skin::kColorTopMenuFont);
  if (lit) {
    if (pressed) {
      r.right -= 2;
    }
    GdiFlush();
    image::Canvas& canvas = picture_.Canvas();
    canvas.Fill(r, metrics.MenuColor(skin::kColorTopSelectedMenuBorder));
    canvas.Fill({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1},
                metrics.MenuColor(skin::kColorTopSelectedMenu));
    text = metrics.MenuColor(skin::kColorTopSelectedMenuFont);
  }
  RECT caption{r.left + (pressed ? 2 : 0), r.top + 2, r.right, r.bottom};
  HDC dc = picture_.Dc();
  SetTextColor(dc, ui::ColorToRGB(text));
  const std::wstring label = CaptionOf(*items_[index]);
  DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &caption,
            DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

}  // namespace skinning
