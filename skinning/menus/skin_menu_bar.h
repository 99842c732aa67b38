#pragma once

#include <windows.h>

#include <vector>

#include "image/rect.h"
#include "skinning/painters/dib_buffer.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace skinning {

class TvxSkinEngine;

// A skinned form's main menu, shown inside the skinned frame at the top of
// the client area: one button per top-level item, in menu order, wrapping
// to further rows when the form is too narrow, drawn in the skin's menu
// colours. A click drops a button's items down; while they are down, the
// mouse over another button or the Left and Right keys move to the next
// menu. From the keyboard: Alt with an item's key drops it down; Alt alone
// or F10 highlights the first button, after which the arrow keys, Enter,
// Escape and the items' keys without Alt work on the bar.
class TvxSkinMenuBar : public ui::TControl {
 public:
  TvxSkinMenuBar(ui::TForm& form, TvxSkinEngine& engine, ui::TMainMenu& menu);
  ~TvxSkinMenuBar() override;

  // Takes the menu's top-level items again and lays them out for the
  // form's client width.
  void Rebuild();
  int BarHeight() const { return height_; }

  // The form's keyboard commands (WM_SYSCOMMAND SC_KEYMENU).
  // Whether an entry has that key (any case).
  bool HasKey(wchar_t key) const { return KeyIndex(key) >= 0; }
  // Drops down the item with that key; false when no item has it.
  bool OpenByKey(wchar_t key);
  // Highlights the first button, or leaves the keyboard mode again.
  void ToggleKeyboardMode();
  // The form's WM_MENUSELECT while a menu of the bar is down.
  void MenuSelected(HMENU menu, UINT flags);

  // The highlighted button (hot, pressed or chosen from the keyboard), -1
  // when none: only then do keys without Alt reach the bar.
  int Highlighted() const;
  int ButtonCount() const { return static_cast<int>(items_.size()); }
  const image::Rect& ButtonRect(int index) const { return buttons_[index]; }
  // The bar as last painted.
  const DibBuffer& Picture() const { return picture_; }

 protected:
  void WndProc(ui::TMessage& message) override;

 private:
  static const wchar_t* WindowClassName();
  static LRESULT CALLBACK FilterMenuMessages(int code, WPARAM wParam, LPARAM lParam);
  bool FilterMenuMessage(const MSG& message);
  void Paint();
  void Compose();
  void DrawButton(int index);
  int ButtonAt(POINT screen) const;
  int KeyIndex(wchar_t key) const;
  void DropDown(int index, bool fromKeyboard);
  // Shows one button's items; returns the button to go on with, or -1.
  int Track(int index, bool fromKeyboard);
  void SetHot(int index);
  void KeyDown(WPARAM key);
  void LeaveKeyboardMode();

  ui::TForm& form_;
  TvxSkinEngine& engine_;
  ui::TMainMenu& menu_;
  std::vector<ui::TMenuItem*> items_;
  std::vector<image::Rect> buttons_;
  int height_ = 0;
  int hot_ = -1;
  int pressed_ = -1;
  int keyboardIndex_ = -1;
  HWND focusBefore_ = nullptr;
  // While a menu of the bar is down.
  HMENU tracked_ = nullptr;
  HMENU selectedMenu_ = nullptr;
  bool selectedOpensMenu_ = false;
  int switchTo_ = -1;
  bool switchByKeyboard_ = false;
  DibBuffer picture_;
};

}  // namespace skinning
