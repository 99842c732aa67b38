#pragma once

#include <windows.h>

#include <cstdint>
#include <exception>
#include <memory>

#include "image/bitmap.h"
#include "skinning/engine/window_proc_link.h"
#include "skinning/painters/dib_buffer.h"
#include "ui/control.h"

namespace skin {
class TvxSkinReader;
}

namespace skinning {

class TvxSkinEngine;
class TvxSkinWindow;

// One control painter: put in front of one control's handler, it lets the
// control do its own work and then draws the skinned parts over it. The
// members of the family override the operations below; this base draws
// nothing. A painter follows the engine: while the engine does not skin
// (not active, no skin loaded) or the control's Tag is the engine's
// DisabledTag, every message goes to the control's own handler alone.
//
// Pictures are composed off-screen, in the painter's picture, and put on
// the screen in one transfer, so a control never shows its own look and
// then the skin's.
class TvxSkinControl {
 public:
  explicit TvxSkinControl(TvxSkinWindow& window);
  virtual ~TvxSkinControl();
  TvxSkinControl(const TvxSkinControl&) = delete;
  TvxSkinControl& operator=(const TvxSkinControl&) = delete;

  TvxSkinWindow& Window() const { return window_; }
  TvxSkinEngine& Engine() const;

  // Before the control's handler; false keeps the message from it.
  virtual bool BeforeMessage(ui::TMessage& message);
  // After the control's handler, unless a step before called MarkHandled.
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
  // UpdateLook, then has the control painted again.
  void Refresh();
  // A painter whose step raised: it reported the failure once, and the
  // control has its own look from then on.
  bool Failed() const { return failed_; }
  // Remembers the control's own colours and fonts; called once, when the
  // painter is attached.
  virtual void SaveOwnColors() {}
  virtual RECT GetPaintRect() const;
  virtual HWND GetHandle() const = 0;
  virtual bool IsEnabled() const { return IsWindowEnabled(GetHandle()) != FALSE; }
  // Group boxes, panels, status bars, tool bars, labels and check boxes
  // show their parent's colour while skinned.
  virtual bool WantsParentColor() const { return false; }

  static constexpr uint8_t kHot = 1;
  static constexpr uint8_t kPressed = 2;
  uint8_t State() const { return state_; }

  // The picture as last composed, for whoever checks what was drawn.
  const DibBuffer& Picture() const { return picture_; }

 protected:
  // Every message of the control, in order: the painter's steps and the
  // control's own handler (`saved`).
  void Dispatch(ui::TMessage& message, const ui::TWndMethod& saved);
  // Paints now, while the engine skins.
  void Repaint();
  // Paints now and drops what the control's own handler asked to have
  // painted: the picture shows all of it already.
  void RepaintWhole();
  // Messages on which the system's controls draw themselves at once rather
  // than in their next paint: a painter that paints them paints after.
  static bool DrawsAtOnce(UINT message);
  // For painters that paint the whole control: WM_PAINT answered with Paint
  // between the begin and the end of painting, and WM_ERASEBKGND answered
  // without erasing; the control's own handler sees neither. True when the message was one
  // of them; it is done with then.
  bool TakePaintMessages(ui::TMessage& message);
  // The engine skins, the control is not one that keeps its own look and
  // the painter has not failed.
  bool Skinning() const;
  // The control's Tag; plain windows have none.
  virtual int ControlTag() const { return 0; }
  // The control's background colour and font.
  virtual image::ColorRef ControlColor() const;
  virtual HFONT ControlFont() const;
  // The skin colour the control's text takes while skinned; -1 keeps the
  // control's own. Only the program's own controls have a text colour.
  virtual int SkinFontColor() const { return -1; }
  // Passes a message to the control's own handler; only while a message
  // goes through the painter.
  void CallSaved(ui::TMessage& message);
  // The message is done with: no after-message step for it.
  void MarkHandled() { dispatch_->handled = true; }

  const skin::TvxSkinReader& Reader() const;
  // A skin colour as the system draws it: system colours resolved, a
  // missing colour as `fallback` (a COLORREF).
  COLORREF SkinColor(int index, COLORREF fallback) const;

  // The picture sized to the client area, ready to be drawn on.
  DibBuffer& StartPicture();
  // The control's own drawing of its client area, on the picture.
  void PrintControl();
  // Puts the picture on the control's client area: one transfer.
  void ShowPicture();
  // Text on the picture, centred on one line in `rect`, in the control's
  // font; grey when the control is disabled, one pixel right and down
  // while pressed.
  void DrawCaption(const std::wstring& text, RECT rect, COLORREF color);

  uint8_t state_ = 0;
  DibBuffer picture_;

 private:
  // One message on its way through the painter. What the control's own
  // handler raises is the control's failure, not the painter's.
  struct MessageFrame {
    const ui::TWndMethod& saved;
    bool passedOn = false;
    bool savedRaised = false;
  };
  // What a message on its way through the painter keeps of it. A message
  // may free the painter (a click that frees the form), so each message
  // holds this with the painter, and learns from it that the painter is
  // gone.
  struct DispatchState {
    MessageFrame* frame = nullptr;
    bool handled = false;
    bool painterGone = false;
  };

  void NoteMouseMove();
  void PaintInPaintMessage(ui::TMessage& message);
  // Reports the failure, the first time, and gives the control its own look.
  void Fail(std::exception_ptr error);

  TvxSkinWindow& window_;
  std::shared_ptr<DispatchState> dispatch_ = std::make_shared<DispatchState>();
  bool failed_ = false;
  // The paint's own device context while the control answers WM_PAINT.
  HDC paintDc_ = nullptr;
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
  image::ColorRef ControlColor() const override;
  HFONT ControlFont() const override { return control_.Font().Handle(); }

 private:
  ui::TControl& control_;
  ui::TColor ownColor_ = ui::clBtnFace;
  ui::TColor ownFontColor_ = ui::clWindowText;
  // Last: taken out of the chain first when the painter goes.
  std::unique_ptr<WindowProcLink> link_;
};

// A painter in front of a child window of a window we did not make. Its
// background is the form colour, which the skinned dialog box answers for
// its controls.
class TvxSkinControlWnd : public TvxSkinControl {
 public:
  TvxSkinControlWnd(TvxSkinWindow& window, HWND control);

  HWND GetHandle() const override { return handle_; }

 protected:
  image::ColorRef ControlColor() const override;

 private:
  HWND handle_;
  std::unique_ptr<SubclassLink> link_;
};

}  // namespace skinning
