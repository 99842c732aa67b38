#include "skinning/frames/skin_window_form.h"

#include "ui/graphics.h"
#include "skinning/engine/control_painters.h"
#include "skinning/engine/skin_engine.h"
#include "skinning/engine/window_messages.h"
#include "skinning/menus/skin_menu_bar.h"
#include "skinning/menus/skin_menus.h"

namespace skinning {

namespace {

// The height a main menu adds to a form, as forms are laid out.
constexpr int kMenuBarAllowance = 20;
constexpr int kMinOwnNonClientHeight = 23;

void CollectMenus(base::TComponent& owner, std::vector<ui::TMenu*>& menus) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    base::TComponent* component = owner.Component(i);
    if (auto* menu = dynamic_cast<ui::TMenu*>(component)) {
      menus.push_back(menu);
    }
    if (dynamic_cast<ui::TControl*>(component)) {
      CollectMenus(*component, menus);
    }
  }
}

}  // namespace

TvxSkinWindowVCL::TvxSkinWindowVCL(TvxSkinEngine& engine, ui::TForm& form, base::TComponent* owner)
    : TvxSkinWindow(engine, form.Handle(), owner, TvxWindowKind::kForm, OwnNonClientHeight(form)),
      form_(form),
      link_(std::make_unique<WindowProcLink>(
          form, [this](ui::TMessage& message, const ui::TWndMethod& next) {
            HandleMessage(message, next);
          })) {
  if (engine.IsDisabledTag(form.Tag())) {
    SetFrameAllowed(false);
  }
}

TvxSkinWindowVCL::~TvxSkinWindowVCL() {
  if (FrameOn()) {
    SkinOff();
  }
  if (MenuBar()) {
    delete menuBar_;
  }
  RemovePainters();
  link_.reset();
}

// Measured as at 96 dots per inch, as the skin's title is drawn: with
// large fonts the system's caption and menu bar grow, the skin's title does
// not, and the difference would show as an empty band under it.
int TvxSkinWindowVCL::OwnNonClientHeight(const ui::TForm& form) {
  RECT window{};
  GetWindowRect(form.Handle(), &window);
  const int frame = ui::ToDesignPixels((window.bottom - window.top) - form.ClientHeight());
  const int menu = form.Menu() ? kMenuBarAllowance : 0;
  return std::max(frame - menu - 4, kMinOwnNonClientHeight);
}

void TvxSkinWindowVCL::AttachControls() {
  OfferControls(form_);
}

// Each control with a painter offers the components it owns in turn.
void TvxSkinWindowVCL::OfferControls(base::TComponent& owner) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    auto* control = dynamic_cast<ui::TControl*>(owner.Component(i));
    if (!control || !control->Parent() || Engine().IsDisabledTag(control->Tag()) ||
        SendMessageW(control->Handle(), kMsgIsSkinned, 0, 0) != 0) {
      continue;
    }
    std::unique_ptr<TvxSkinControl> painter = MakeControlPainter(*this, *control);
    if (!painter) {
      continue;
    }
    AddPainter(std::move(painter));
    OfferControls(*control);
  }
}

TvxSkinMenuBar* TvxSkinWindowVCL::MenuBar() const {
  // The form frees its controls itself, the menu bar among them.
  return menuBar_ && ui::TControl::FromHandle(menuBarWindow_) == menuBar_ ? menuBar_ : nullptr;
}

int TvxSkinWindowVCL::MenuBarHeight() const {
  TvxSkinMenuBar* bar = MenuBar();
  return bar && bar->Visible() ? bar->BarHeight() : 0;
}

void TvxSkinWindowVCL::SkinOn() {
  const int clientWidth = form_.ClientWidth();
  const int clientHeight = form_.ClientHeight();
  SetFrameOn(true);
  SetWindowLongW(Handle(), GWL_STYLE, GetWindowLongW(Handle(), GWL_STYLE) & ~WS_SYSMENU);
  ownColor_ = form_.Color();
  const image::ColorRef formColor = Engine().Metrics().formColor;
  if (image::IsPlainColor(formColor)) {
    form_.SetColor(formColor);
  }
  UpdatePainters();
  if (form_.Menu()) {
    SetMenu(Handle(), nullptr);
    ShowMenuBar();
  }
  SkinMenus();
  MoveControls(MenuBarHeight());
  FrameAround(clientWidth, clientHeight + MenuBarHeight());
}

void TvxSkinWindowVCL::SkinOff() {
  SetFrameOn(false);
  ReleaseMenus();
  if (!WindowExists()) {
    return;
  }
  const int clientWidth = form_.ClientWidth();
  const int clientHeight = form_.ClientHeight() - MenuBarHeight();
  const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
  SetWindowLongW(Handle(), GWL_STYLE, static_cast<LONG>(style | (originalStyle_ & WS_SYSMENU)));
  form_.SetColor(ownColor_);
  HideMenuBar();
  if (form_.Menu()) {
    SetMenu(Handle(), form_.Menu()->Handle());
  }
  MoveControls(-controlsMovedBy_);
  RemoveShape();
  FrameChanged();
  if (!IsZoomed(Handle())) {
    form_.SetClientSize(clientWidth, clientHeight);
  }
  UpdatePainters();
}

// What stays from one skin to the next stays: the style, the menus, the
// menu bar and where the controls are; colours, frame and size follow the
// new skin.
void TvxSkinWindowVCL::SkinAgain() {
  const int clientWidth = form_.ClientWidth();
  const int clientHeight = form_.ClientHeight();
  const int barBefore = MenuBarHeight();
  const image::ColorRef formColor = Engine().Metrics().formColor;
  form_.SetColor(image::IsPlainColor(formColor) ? formColor : ownColor_);
  UpdatePainters();
  if (TvxSkinMenuBar* bar = MenuBar()) {
    bar->Rebuild();
  }
  const int grown = MenuBarHeight() - barBefore;
  MoveControls(grown);
  FrameAround(clientWidth, clientHeight + grown);
}

// The new frame and the size that keeps the client area, in one move; the
// form keeps the client size it is to have from now on. A maximized form
// keeps its size.
void TvxSkinWindowVCL::FrameAround(int clientWidth, int clientHeight) {
  if (IsZoomed(Handle())) {
    FrameChanged();
    return;
  }
  const SIZE size = SkinnedWindowSize(clientWidth, clientHeight);
  RECT window{};
  GetWindowRect(Handle(), &window);
  const POINT origin = ClientOrigin();
  const SkinMetrics& metrics = Engine().Metrics();
  // A frame of the same sizes needs no new layout, only a new paint.
  const bool sameFrame = size.cx == window.right - window.left &&
                         size.cy == window.bottom - window.top &&
                         origin.x == metrics.PaddedLeft() && origin.y == TitleRows() &&
                         form_.ClientWidth() == clientWidth;
  if (!sameFrame) {
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  form_.SetClientSize(clientWidth, clientHeight);
}

void TvxSkinWindowVCL::ShowMenuBar() {
  if (!MenuBar()) {
    menuBar_ = new TvxSkinMenuBar(form_, Engine(), *form_.Menu());
    menuBarWindow_ = menuBar_->Handle();
  } else {
    menuBar_->Rebuild();
  }
  menuBar_->SetVisible(true);
  SetWindowPos(menuBarWindow_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TvxSkinWindowVCL::HideMenuBar() {
  if (TvxSkinMenuBar* bar = MenuBar()) {
    bar->SetVisible(false);
  }
}

void TvxSkinWindowVCL::SkinMenus() {
  std::vector<ui::TMenu*> menus;
  CollectMenus(form_, menus);
  changingMenus_ = true;
  for (ui::TMenu* menu : menus) {
    if (Engine().IsDisabledTag(menu->Tag())) {
      continue;
    }
    OwnerDrawMenu(Engine(), *menu);
    menu->OnChange = [this](ui::TMenu& changed) { MenuChanged(changed); };
    skinnedMenus_.push_back({menu, menu->Handle()});
  }
  changingMenus_ = false;
}

void TvxSkinWindowVCL::ReleaseMenus() {
  changingMenus_ = true;
  for (const auto& [menu, handle] : skinnedMenus_) {
    if (IsMenu(handle)) {
      menu->OnChange = nullptr;
      ReleaseMenu(*menu);
    }
  }
  skinnedMenus_.clear();
  changingMenus_ = false;
}

// Items added later are drawn like the others; the menu bar shows what
// the main menu holds now.
void TvxSkinWindowVCL::MenuChanged(ui::TMenu& menu) {
  if (changingMenus_) {
    return;
  }
  changingMenus_ = true;
  OwnerDrawItems(Engine(), menu.Items());
  changingMenus_ = false;
  TvxSkinMenuBar* bar = MenuBar();
  if (&menu != form_.Menu() || !bar) {
    return;
  }
  const int before = MenuBarHeight();
  bar->Rebuild();
  const int grown = MenuBarHeight() - before;
  if (grown != 0) {
    MoveControls(grown);
    form_.SetClientSize(form_.ClientWidth(), form_.ClientHeight() + grown);
  }
}

void TvxSkinWindowVCL::MoveControls(int by) {
  if (by == 0) {
    return;
  }
  for (int i = 0; i < form_.ComponentCount(); ++i) {
    auto* control = dynamic_cast<ui::TControl*>(form_.Component(i));
    if (!control || control->Parent() != &form_ || control == MenuBar()) {
      continue;
    }
    ui::TBounds bounds = control->Bounds();
    bounds.top += by;
    control->SetBounds(bounds);
  }
  controlsMovedBy_ += by;
}

void TvxSkinWindowVCL::Resized() {
  TvxSkinMenuBar* bar = MenuBar();
  if (!bar || bar->Width() == form_.ClientWidth()) {
    return;
  }
  const int before = MenuBarHeight();
  bar->Rebuild();
  MoveControls(MenuBarHeight() - before);
}

bool TvxSkinWindowVCL::HandleOwnMessage(ui::TMessage& message, const ui::TWndMethod& next) {
  switch (message.Msg) {
    case WM_SHOWWINDOW:
      if (message.WParam && !shown_) {
        shown_ = true;
        Engine().OwnerFormShown();
      }
      return false;
    case WM_GETMINMAXINFO:
      if (!FrameOn()) {
        return false;
      }
      next(message);
      {
        auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
        info->ptMinTrackSize.x = Engine().Metrics().minFormWidth;
        info->ptMinTrackSize.y = MenuBarHeight() + Engine().Metrics().titleHeight + 6;
      }
      return true;
    case WM_SYSCOMMAND:
      return FrameOn() && (message.WParam & 0xFFF0) == SC_KEYMENU && KeyMenu(message.LParam);
    case WM_MENUSELECT:
      if (FrameOn() && MenuBar()) {
        MenuBar()->MenuSelected(reinterpret_cast<HMENU>(message.LParam), HIWORD(message.WParam));
      }
      return false;
  }
  return false;
}

// Alt alone or F10, and Alt with an item's key, work on the menu bar; Alt
// with the space bar is the system menu's.
bool TvxSkinWindowVCL::KeyMenu(LPARAM key) {
  TvxSkinMenuBar* bar = MenuBar();
  if (!bar || !bar->Visible() || key == ' ') {
    return false;
  }
  if (key == 0) {
    bar->ToggleKeyboardMode();
    return true;
  }
  return bar->OpenByKey(static_cast<wchar_t>(key));
}

void TvxSkinWindowVCL::Destroyed() {
  SkinOff();
}

}  // namespace skinning
