#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "skinning/window_proc_link.h"
#include "ui/control.h"

namespace skinning {

class TvxSkinEngine;
class TvxSkinWindow;

// One control painter: put in front of one control's handler, it lets the
// control do its own work and then draws the skinned parts over it. The
// members of the family override the operations below; this base draws
// nothing. A painter follows the engine: while the engine does not skin
// (not active, no skin loaded) or the control's Tag is the engine's
// DisabledTag, every message goes to the control's own handler alone.
class TvxSkinControl {
 public:
  explicit TvxSkinControl(TvxSkinWindow& window);
  virtual ~TvxSkinControl() = default;
  TvxSkinControl(const TvxSkinControl&) = delete;
  TvxSkinControl& operator=(const TvxSkinControl&) = delete;

  TvxSkinWindow& Window() const { return window_; }
  TvxSkinEngine& Engine() const;

  // Before the control's handler; false keeps the message from it.
  virtual bool BeforeMessage(ui::TMessage& message);
  // After the control's handler, unless a step before set handled_.
  virtual void AfterMessage(ui::TMessage& message);
  virtual void Paint() {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown() {}
  virtual void MouseUp() {}
  virtual void KeyDown(WPARAM key) { (void)key; }
  virtual void KeyUp(WPARAM key) { (void)key; }
  // Adopts the skin's colours and fonts while the engine skins, and the
  // control's own otherwise.
  virtual void UpdateLook() {}
  // Remembers the control's own colours and fonts; called once, when the
  // painter is attached.
  virtual void SaveOwnColors() {}
  virtual RECT GetPaintRect() const;
  virtual HWND GetHandle() const = 0;
  virtual bool IsEnabled() const { return IsWindowEnabled(GetHandle()) != FALSE; }
  // Group boxes, panels, status bars, tool bars and labels show their
  // parent's colour while skinned.
  virtual bool WantsParentColor() const { return false; }

  static constexpr uint8_t kHot = 1;
  static constexpr uint8_t kPressed = 2;
  uint8_t State() const { return state_; }

 protected:
  // Every message of the control, in order: the painter's steps and the
  // control's own handler (`saved`).
  void Dispatch(ui::TMessage& message, const ui::TWndMethod& saved);
  // Paints now, while the engine skins.
  void Repaint();
  // The control's Tag; plain windows have none.
  virtual int ControlTag() const { return 0; }

  bool handled_ = false;
  uint8_t state_ = 0;

 private:
  bool Skinning() const;
  void NoteMouseMove();

  TvxSkinWindow& window_;
};

// A painter in front of one of the program's own controls, in its
// window-procedure chain.
class TvxSkinControlVCL : public TvxSkinControl {
 public:
  TvxSkinControlVCL(TvxSkinWindow& window, ui::TControl& control);

  ui::TControl& Control() const { return control_; }
  HWND GetHandle() const override { return control_.Handle(); }
  void SaveOwnColors() override;
  void UpdateLook() override;

 protected:
  int ControlTag() const override { return control_.Tag(); }

 private:
  ui::TControl& control_;
  ui::TColor ownColor_ = ui::clBtnFace;
  // Last: taken out of the chain first when the painter goes.
  std::unique_ptr<WindowProcLink> link_;
};

// A painter in front of a child window of a window we did not make.
class TvxSkinControlWnd : public TvxSkinControl {
 public:
  TvxSkinControlWnd(TvxSkinWindow& window, HWND control);

  HWND GetHandle() const override { return handle_; }

 private:
  HWND handle_;
  std::unique_ptr<SubclassLink> link_;
};

}  // namespace skinning
