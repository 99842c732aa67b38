#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/component.h"
#include "skin/skin_progress_bar_res.h"
#include "skin/skin_reader.h"
#include "skin/skin_scroll_btn_res.h"
#include "skin/skin_tab_res.h"
#include "skinning/engine/skin_metrics.h"
#include "skinning/frames/skin_window.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "win/temp_names.h"
#include "win/unique.h"

namespace skinning {

// The skin engine: placed on the main form, it draws every form and dialog
// box of the program with the loaded skin (frames, menus, controls). It
// finds the windows itself: its own form when loaded, every form when the
// main form is first shown, dialog boxes and forms as they become active
// (a window-creation hook on the main thread). Assigning SkinFile loads a
// skin; nothing else of the program talks to it.
class TvxSkinEngine : public base::TComponent {
 public:
  // Throws "One form can only catch one TvxSkinEngine!" when the form has
  // one already, "Must be placed on a Form" without a form.
  explicit TvxSkinEngine(ui::TForm* owner);
  ~TvxSkinEngine() override;

  // Once the owner form is made and the settings are set: attaches it.
  void Loaded();

  // Skinning wanted; switches every skinned window on or off.
  bool Active() const { return active_; }
  void SetActive(bool active);
  // A skin is loaded.
  bool Ready() const { return reader_.Loaded(); }
  const std::string& Password() const { return password_; }
  void SetPassword(std::string password) { password_ = std::move(password); }
  // The skin file, a UTF-8 path (opened by its wide name). Assigning it
  // loads the skin from the path as given, or else the file of that name
  // in the program's folder, the Windows folder or the system folder;
  // when none exists nothing changes. A skin that cannot be read clears
  // it, switches every window off and throws the reader's error.
  const std::string& SkinFile() const { return skinFile_; }
  void SetSkinFile(const std::string& value);
  // Captions of the system menu's items.
  const std::string& ResSysMenuMin() const { return resSysMenuMin_; }
  void SetResSysMenuMin(std::string caption);
  const std::string& ResSysMenuMax() const { return resSysMenuMax_; }
  void SetResSysMenuMax(std::string caption);
  const std::string& ResSysMenuClose() const { return resSysMenuClose_; }
  void SetResSysMenuClose(std::string caption);
  // Forms, controls and menus with this Tag keep their own look; 0 names
  // none.
  int DisabledTag() const { return disabledTag_; }
  void SetDisabledTag(int tag) { disabledTag_ = tag; }
  // Scroll bars are drawn by the skin; when off they keep the system's
  // look while everything else is skinned.
  bool DrawScrollBar() const { return drawScrollBar_; }
  void SetDrawScrollBar(bool draw);
  static const char* Version() { return "4.1"; }
  // Skin bytes stored with the form exist only where forms are designed;
  // setting it throws.
  bool BuiltIn() const { return false; }
  void SetBuiltIn(bool builtIn);
  // Dialog boxes are skinned when they become active.
  bool SkinDialogs() const { return skinDialogs_; }
  void SetSkinDialogs(bool skin) { skinDialogs_ = skin; }
  // Every form of the program is skinned; set at run time, attaches them
  // at once, or detaches all but the owner form.
  bool SkinAllForms() const { return skinAllForms_; }
  void SetSkinAllForms(bool skinAll);
  // After every change of skin.
  base::TNotifyEvent OnSkinChanged;

  // For the skinned windows and the painters.
  bool Skinning() const { return active_ && Ready(); }
  bool IsDisabledTag(int tag) const { return disabledTag_ != 0 && tag == disabledTag_; }
  ui::TForm& OwnerForm() const { return form_; }
  const skin::TvxSkinReader& Reader() const { return reader_; }
  const SkinMetrics& Metrics() const { return metrics_; }
  HBRUSH FormBrush() const { return formBrush_.Get(); }
  HFONT CaptionFont() const { return captionFont_.Get(); }
  HFONT MenuFont() const { return menuFont_.Get(); }
  HFONT BoldMenuFont() const { return boldMenuFont_.Get(); }
  const skin::TvxSkinScrollBtnRes& ScrollButtons() const { return scrollButtons_; }
  const skin::TvxSkinProgressBarRes& ProgressBars() const { return progressBars_; }
  const skin::TvxSkinTabRes& Tabs() const { return tabs_; }

  // The skinned windows in the order they were attached.
  const std::vector<TvxSkinWindow*>& Windows() const { return windows_; }
  TvxSkinWindow* FindSkinWindow(HWND window) const;
  // Attaches a window unless it is attached already; a form of the
  // program, or any other window.
  TvxSkinWindow* AttachWindow(HWND window, TvxWindowKind kind);

  ui::TPopupMenu& SystemMenu() const { return *systemMenu_; }
  // Shows the system menu of a skinned window at a point on the screen.
  void ShowSystemMenu(TvxSkinWindow& target, POINT at);

  // Called by the skinned windows.
  void WindowGone(TvxSkinWindow& window);
  // A window the engine owns is gone from the screen: freed once no
  // message of the skin is being handled.
  void ReleaseWindow(TvxSkinWindow& window);
  void OwnerFormShown();
  // Called by the window-creation hook; true refuses the creation.
  bool WindowCreating(HWND window, const CREATESTRUCTW& create);
  void WindowActivating(HWND window);
  // Called by the message hook: Alt with the key of a skinned menu bar's
  // entry, typed on a control of the form, goes to the form as its menu
  // key, as the system's menu bar would take it.
  void RouteMenuKey(MSG& message);

 private:
  void SkinChanged();
  void RefreshWindows();
  void AttachAllForms();
  void DetachAllButOwner();
  void FreeWindow(TvxSkinWindow& window);
  void BuildSystemMenu();
  void SystemMenuCommand(int item);
  void CreateFonts();
  bool AnswersSkinned(HWND window) const;

  ui::TForm& form_;
  bool active_ = false;
  std::string password_;
  std::string skinFile_;
  std::string resSysMenuMin_ = "Mi&nimize";
  std::string resSysMenuMax_ = "Ma&ximize/Restore";
  std::string resSysMenuClose_ = "&Close";
  int disabledTag_ = 9999;
  bool drawScrollBar_ = true;
  bool skinDialogs_ = true;
  bool skinAllForms_ = true;
  bool allFormsAttached_ = false;

  win::WinTempNameSource tempNames_;
  skin::TvxSkinReader reader_;
  SkinMetrics metrics_;
  skin::TvxSkinScrollBtnRes scrollButtons_;
  skin::TvxSkinProgressBarRes progressBars_;
  skin::TvxSkinTabRes tabs_;
  win::UniqueBrush formBrush_;
  win::UniqueFont captionFont_;
  win::UniqueFont menuFont_;
  win::UniqueFont boldMenuFont_;
  ui::TPopupMenu* systemMenu_ = nullptr;
  TvxSkinWindow* systemMenuTarget_ = nullptr;

  std::vector<TvxSkinWindow*> windows_;
  std::vector<std::unique_ptr<TvxSkinWindow>> ownWindows_;
  bool hooks_ = false;
};

}  // namespace skinning
