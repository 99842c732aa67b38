#include "skinning/frames/skin_window_plain.h"

#include "ui/graphics.h"
#include "skinning/engine/control_painters.h"
#include "skinning/engine/painter_kind.h"
#include "skinning/engine/skin_engine.h"
#include "skinning/engine/window_messages.h"
#include "win/window_list.h"
#include "win/window_text.h"

namespace skinning {

namespace {

constexpr char kDialogClass[] = "#32770";

RECT WindowRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

}  // namespace

TvxSkinWindowWnd::TvxSkinWindowWnd(TvxSkinEngine& engine, HWND window, TvxWindowKind kind)
    : TvxSkinWindow(engine, window, nullptr, kind, OwnNonClientHeight(window)),
      link_(std::make_unique<SubclassLink>(
          window, [this](ui::TMessage& message, const ui::TWndMethod& next) {
            HandleMessage(message, next);
          })) {}

TvxSkinWindowWnd::~TvxSkinWindowWnd() {
  if (FrameOn()) {
    SkinOff();
  }
  RemovePainters();
  childDialogs_.clear();
  link_.reset();
}

// As at 96 dots per inch, as the skin's title is drawn (see the forms').
int TvxSkinWindowWnd::OwnNonClientHeight(HWND window) {
  RECT outer{};
  RECT client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  return ui::ToDesignPixels((outer.bottom - outer.top) - client.bottom);
}

CaptionButtonSet TvxSkinWindowWnd::Buttons() const {
  CaptionButtonSet buttons = TvxSkinWindow::Buttons();
  if (buttons.close) {
    const UINT state = GetMenuState(GetSystemMenu(Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND);
    buttons.close = state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
  }
  return buttons;
}

void TvxSkinWindowWnd::AttachControls() {
  for (HWND child : win::ChildWindows(Handle())) {
    if (SendMessageW(child, kMsgIsSkinned, 0, 0) == 0) {
      AttachChild(child);
    }
  }
}

void TvxSkinWindowWnd::AttachChild(HWND child) {
  const std::string name = win::ClassNameOf(child);
  if (name == kDialogClass) {
    childDialogs_.push_back(std::make_unique<SubclassLink>(
        child, [this](ui::TMessage& message, const ui::TWndMethod& next) {
          if (!AnswerColor(message)) {
            next(message);
          }
        }));
    return;
  }
  const auto style = static_cast<uint32_t>(GetWindowLongW(child, GWL_STYLE));
  const PlainWindowPainter choice = PainterForWindowClass(name, style);
  HWND target = choice.onFirstChild ? GetWindow(child, GW_CHILD) : child;
  if (choice.kind == PainterKind::kNone || !target) {
    return;
  }
  AddPainter(MakeWindowPainter(*this, target, choice.kind));
}

bool TvxSkinWindowWnd::AnswerColor(ui::TMessage& message) {
  if (!FrameOn() || (message.Msg != WM_CTLCOLORDLG && message.Msg != WM_CTLCOLORSTATIC)) {
    return false;
  }
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetBkColor(dc, ui::ColorToRGB(Engine().Metrics().formColor));
  // On a dark skin the system's black text would not read.
  SetTextColor(dc, Engine().TextColor());
  message.Result = reinterpret_cast<LRESULT>(Engine().FormBrush());
  return true;
}

// The frame grows around the client area, half on each side, so the
// window stays where the system centred it.
void TvxSkinWindowWnd::SkinOn() {
  const RECT before = WindowRectOf(Handle());
  RECT client{};
  GetClientRect(Handle(), &client);
  SetFrameOn(true);
  SetWindowLongW(Handle(), GWL_STYLE, GetWindowLongW(Handle(), GWL_STYLE) & ~WS_SYSMENU);
  menu_ = GetMenu(Handle());
  if (menu_) {
    SetMenu(Handle(), nullptr);
  }
  const SIZE size = SkinnedWindowSize(client.right, client.bottom);
  grownBy_ = {size.cx - (before.right - before.left), size.cy - (before.bottom - before.top)};
  SetWindowPos(Handle(), nullptr, before.left - grownBy_.cx / 2, before.top - grownBy_.cy / 2,
               size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  UpdatePainters();
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TvxSkinWindowWnd::SkinOff() {
  SetFrameOn(false);
  if (!WindowExists()) {
    return;
  }
  const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
  SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>(style | (originalStyle_ & WS_SYSMENU)));
  if (menu_) {
    SetMenu(Handle(), menu_);
    menu_ = nullptr;
  }
  RemoveShape();
  const RECT now = WindowRectOf(Handle());
  SetWindowPos(Handle(), nullptr, now.left + grownBy_.cx / 2, now.top + grownBy_.cy / 2,
               now.right - now.left - grownBy_.cx, now.bottom - now.top - grownBy_.cy,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  grownBy_ = {0, 0};
  UpdatePainters();
  InvalidateRect(Handle(), nullptr, TRUE);
}

bool TvxSkinWindowWnd::HandleOwnMessage(ui::TMessage& message, const ui::TWndMethod&) {
  return message.Msg == WM_CTLCOLORSTATIC && AnswerColor(message);
}

void TvxSkinWindowWnd::Destroyed() {
  SetFrameOn(false);
  Engine().ReleaseWindow(*this);
}

}  // namespace skinning
