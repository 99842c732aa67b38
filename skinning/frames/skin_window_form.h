#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "skinning/engine/window_proc_link.h"
#include "skinning/frames/skin_window.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace skinning {

class TvxSkinMenuBar;

// A skinned form of the program. Switching its skin on takes the system
// menu off its style, gives it the skin's form colour, shows its main menu
// on a skinned menu bar (the controls move down to make room for it) and
// owner-draws its menus; the client area keeps its size. Switching off
// puts back exactly what was there.
class TvxSkinWindowVCL final : public TvxSkinWindow {
 public:
  // `owner` frees the object: the form itself, or the engine for its own
  // form.
  TvxSkinWindowVCL(TvxSkinEngine& engine, ui::TForm& form, base::TComponent* owner);
  ~TvxSkinWindowVCL() override;

  ui::TForm& Form() const { return form_; }
  void AttachControls() override;
  int MenuBarHeight() const override;
  // The skinned menu bar while the skin is on and the form has a main menu.
  TvxSkinMenuBar* MenuBar() const;

 protected:
  void SkinOn() override;
  void SkinOff() override;
  void SkinAgain() override;
  bool HandleOwnMessage(ui::TMessage& message, const ui::TWndMethod& next) override;
  void Resized() override;
  void Destroyed() override;

 private:
  // The form's height less its client height, less the menu bar and 4,
  // and at least 23: the title bar is never lower than that.
  static int OwnNonClientHeight(const ui::TForm& form);
  void OfferControls(base::TComponent& owner);
  void ShowMenuBar();
  void HideMenuBar();
  void SkinMenus();
  void ReleaseMenus();
  void MenuChanged(ui::TMenu& menu);
  void MoveControls(int by);
  void FrameAround(int clientWidth, int clientHeight);
  bool KeyMenu(LPARAM key);

  ui::TForm& form_;
  ui::TColor ownColor_ = ui::clBtnFace;
  TvxSkinMenuBar* menuBar_ = nullptr;  // a control of the form
  HWND menuBarWindow_ = nullptr;
  int controlsMovedBy_ = 0;
  // The menus owner-drawn while the skin is on, with their menu handles:
  // a menu freed meanwhile has lost its handle and is left alone.
  std::vector<std::pair<ui::TMenu*, HMENU>> skinnedMenus_;
  bool changingMenus_ = false;
  bool shown_ = false;
  // Last: taken out of the form's chain first.
  std::unique_ptr<WindowProcLink> link_;
};

}  // namespace skinning
