#include "ui/menu.h"

#include <algorithm>
#include <map>

#include "ui/form.h"
#include "win/code_page.h"
#include "win/os_error.h"

namespace ui {
namespace {

std::map<UINT, TMenuItem*>& Commands() {
  static std::map<UINT, TMenuItem*> commands;
  return commands;
}

// Command numbers start above the IDOK and IDCANCEL that IsDialogMessage
// sends for Enter and Escape, and stay unique in the process.
UINT NewCommand(TMenuItem* item) {
  static UINT next = 100;
  auto& commands = Commands();
  while (commands.count(next)) {
    next = next >= 0xFFFF ? 100 : next + 1;
  }
  commands[next] = item;
  return next;
}

HMENU CheckedMenu(HMENU menu) {
  if (!menu) {
    win::RaiseLastOSError();
  }
  return menu;
}

}  // namespace

TMenuItem::TMenuItem(TMenuItem* parent, const TMenuItemOptions& options)
    : base::TComponent(parent),
      menu_(parent->menu_),
      parent_(parent),
      caption_(options.caption),
      command_(NewCommand(this)),
      actionLink_([this](const TAction& action) {
        caption_ = action.Caption();
        enabled_ = action.Enabled();
        Update();
      }) {
  SetName(options.name);
  OnClick = options.onClick;
  parent_->AddItem(this);
  if (options.action) {
    SetAction(options.action);
  }
}

TMenuItem::TMenuItem(TMenu* menu, HMENU handle)
    : base::TComponent(menu),
      menu_(menu),
      submenu_(CheckedMenu(handle)),
      actionLink_([](const TAction&) {}) {}

// The items go first, each taking its entry out of this item's menu, so no
// menu handle is destroyed twice.
TMenuItem::~TMenuItem() {
  while (!items_.empty()) {
    delete items_.back();
  }
  if (parent_) {
    parent_->RemoveItem(this);
  }
  if (command_) {
    Commands().erase(command_);
  }
}

void TMenuItem::AddItem(TMenuItem* item) {
  if (!submenu_.Get()) {
    submenu_.Reset(CheckedMenu(CreatePopupMenu()));
    Update();
  }
  items_.push_back(item);
  MENUITEMINFOW info{};
  std::wstring text;
  item->FillItemInfo(info, text);
  if (!InsertMenuItemW(submenu_.Get(), static_cast<UINT>(items_.size() - 1), TRUE, &info)) {
    win::RaiseLastOSError();
  }
  menu_->Changed();
}

void TMenuItem::RemoveItem(TMenuItem* item) {
  RemoveMenu(submenu_.Get(), item->command_, MF_BYCOMMAND);
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
}

void TMenuItem::FillItemInfo(MENUITEMINFOW& info, std::wstring& text) const {
  text = win::Utf8ToWide(caption_);
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU | MIIM_STRING;
  info.fType = (IsSeparator() ? MFT_SEPARATOR : 0) | (menu_->OwnerDraw() ? MFT_OWNERDRAW : 0);
  info.fState = enabled_ ? MFS_ENABLED : MFS_GRAYED;
  info.wID = command_;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
  info.hSubMenu = submenu_.Get();
  info.dwTypeData = &text[0];
  info.cch = static_cast<UINT>(text.size());
}

void TMenuItem::Update() {
  if (!parent_) {
    return;
  }
  ApplyItemInfo();
  // A submenu is drawn afresh each time it opens; only the menu's own
  // entries show at once. Redrawing the menu bar for every entry of a
  // submenu made enabling a handful of actions cost tens of milliseconds.
  if (parent_ == menu_->items_) {
    menu_->Changed();
  }
}

void TMenuItem::ApplyItemInfo() {
  MENUITEMINFOW info{};
  std::wstring text;
  FillItemInfo(info, text);
  SetMenuItemInfoW(parent_->submenu_.Get(), command_, FALSE, &info);
}

void TMenuItem::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Update();
}

void TMenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Update();
}

void TMenuItem::Click() {
  if (!enabled_) {
    return;
  }
  if (TAction* action = Action()) {
    action->Execute();
  } else if (OnClick) {
    OnClick(this);
  }
}

void TMenuItem::MeasureItem(MEASUREITEMSTRUCT& measure) {
  if (OnMeasureItem) {
    OnMeasureItem(*this, measure);
  }
}

void TMenuItem::DrawItem(const DRAWITEMSTRUCT& draw) {
  if (OnDrawItem) {
    OnDrawItem(*this, draw);
  }
}

TMenuItem* TMenuItem::FromCommand(UINT command) {
  auto found = Commands().find(command);
  return found == Commands().end() ? nullptr : found->second;
}

// Item data of a menu entry is only trusted when it names a live item.
TMenuItem* TMenuItem::FromItemData(ULONG_PTR itemData) {
  auto* item = reinterpret_cast<TMenuItem*>(itemData);
  for (const auto& entry : Commands()) {
    if (entry.second == item) {
      return item;
    }
  }
  return nullptr;
}

TMenu::TMenu(base::TComponent* owner, HMENU handle)
    : base::TComponent(owner), items_(new TMenuItem(this, handle)) {}

void TMenu::Changed() {
  ItemsChanged();
  if (OnChange) {
    OnChange(*this);
  }
}

// One change for the whole menu: a menu bar lays itself out once.
void TMenu::SetOwnerDraw(bool ownerDraw) {
  ownerDraw_ = ownerDraw;
  std::vector<TMenuItem*> pending(items_->items_.begin(), items_->items_.end());
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    item->ApplyItemInfo();
    pending.insert(pending.end(), item->items_.begin(), item->items_.end());
  }
  Changed();
}

TMainMenu::TMainMenu(TForm* form) : TMenu(form, CreateMenu()), form_(form) {
  form_->AttachMenu(this);
}

// Takes the menu bar off the window first: destroying the window would
// destroy the menu bar with it.
TMainMenu::~TMainMenu() {
  form_->AttachMenu(nullptr);
}

void TMainMenu::ItemsChanged() {
  DrawMenuBar(form_->Handle());
  form_->KeepClientSize();
}

TPopupMenu::TPopupMenu(base::TComponent* owner) : TMenu(owner, CreatePopupMenu()) {}

void TPopupMenu::Popup(int x, int y, HWND window) {
  HWND owner = GetAncestor(window, GA_ROOT);
  const UINT command = TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x,
                                      y, 0, owner, nullptr);
  if (TMenuItem* item = TMenuItem::FromCommand(command)) {
    item->Click();
  }
}

}  // namespace ui
