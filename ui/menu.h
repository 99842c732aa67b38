#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "base/component.h"
#include "ui/action.h"
#include "win/unique.h"

namespace ui {

class TForm;
class TMenu;

struct TMenuItemOptions {
  // "-" makes a separator.
  std::string caption;
  std::string name;
  TAction* action = nullptr;
  base::TNotifyEvent onClick;
};

// One entry of a menu, appended to its parent item. An item with items of
// its own opens a submenu. Bound to an action it shows the action's caption
// and enabled state and executes it when clicked.
class TMenuItem : public base::TComponent {
 public:
  TMenuItem(TMenuItem* parent, const TMenuItemOptions& options = {});
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool IsSeparator() const { return caption_ == "-"; }
  TAction* Action() const { return actionLink_.Action(); }
  void SetAction(TAction* action) { actionLink_.SetAction(action); }

  TMenuItem* ParentItem() const { return parent_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Item(int index) const { return items_[index]; }
  // The menu this item's own items are in (created with the first of them).
  HMENU Handle() const { return submenu_.Get(); }
  UINT Command() const { return command_; }

  // Executes the bound action, or else OnClick; a disabled item does nothing.
  void Click();

  base::TNotifyEvent OnClick;
  // Owner drawing, used while the menu's OwnerDraw is on.
  std::function<void(TMenuItem& item, MEASUREITEMSTRUCT& measure)> OnMeasureItem;
  std::function<void(TMenuItem& item, const DRAWITEMSTRUCT& draw)> OnDrawItem;
  void MeasureItem(MEASUREITEMSTRUCT& measure);
  void DrawItem(const DRAWITEMSTRUCT& draw);

  static TMenuItem* FromCommand(UINT command);
  static TMenuItem* FromItemData(ULONG_PTR itemData);

 private:
  friend class TMenu;
  // The root item of a menu: its items are the menu's entries.
  TMenuItem(TMenu* menu, HMENU handle);

  void AddItem(TMenuItem* item);
  void RemoveItem(TMenuItem* item);
  void FillItemInfo(MENUITEMINFOW& info, std::wstring& text) const;
  // Puts the item's state into its menu and tells the menu of the change.
  void Update();
  void ApplyItemInfo();

  TMenu* menu_;
  TMenuItem* parent_ = nullptr;
  std::string caption_;
  bool enabled_ = true;
  UINT command_ = 0;
  win::UniqueMenu submenu_;
  std::vector<TMenuItem*> items_;
  TActionLink actionLink_;
};

// A menu: a root item whose items are the entries.
class TMenu : public base::TComponent {
 public:
  TMenuItem& Items() { return *items_; }
  HMENU Handle() const { return items_->Handle(); }

  bool OwnerDraw() const { return ownerDraw_; }
  // Makes every item owner-drawn (OnMeasureItem, OnDrawItem) or not.
  void SetOwnerDraw(bool ownerDraw);

  // Called after an item was added anywhere in the menu, or an entry of the
  // menu itself (not of a submenu) changed its caption or enabled state, for
  // whoever shows the menu in a way of its own.
  std::function<void(TMenu& menu)> OnChange;

 protected:
  TMenu(base::TComponent* owner, HMENU handle);

 private:
  friend class TMenuItem;
  void Changed();
  // Called on the same changes as OnChange, for a menu bar to redraw itself.
  virtual void ItemsChanged() {}

  TMenuItem* items_;
  bool ownerDraw_ = false;
};

// The menu bar of a form, owned by the form.
class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TForm* form);
  ~TMainMenu() override;

 private:
  void ItemsChanged() override;

  TForm* form_;
};

// A menu that pops up at a point, such as on a control's right click.
class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(base::TComponent* owner);

  // Shows the menu at a point on the screen, for the form that holds the
  // given window, and clicks the chosen item.
  void Popup(int x, int y, HWND window);
};

}  // namespace ui
