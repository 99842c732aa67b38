#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "ui/action.h"
#include "ui/control.h"
#include "ui/form.h"
#include "win/gdi.h"

namespace ui {

struct TButtonOptions {
  TBounds bounds;
  std::string caption;
  // Bound, the button shows the action's caption and enabled state.
  TAction* action = nullptr;
  // Clicking the button sets this modal result on its form.
  int modalResult = mrNone;
  // The button Enter presses on its form.
  bool isDefault = false;
  base::TNotifyEvent onClick;
  // The button Escape presses on its form.
  bool isCancel = false;
};

// A push button.
class TButton : public TControl {
 public:
  TButton(TControl* parent, const TButtonOptions& options);
  ~TButton() override;

  TAction* Action() const { return actionLink_.Action(); }
  void SetAction(TAction* action) { actionLink_.SetAction(action); }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool Default() const;
  void SetDefault(bool isDefault);
  bool Cancel() const;
  void SetCancel(bool isCancel);

  // Executes the bound action, or else OnClick; then sets the modal result.
  void Click();

  base::TNotifyEvent OnClick;

 protected:
  void WndProc(TMessage& message) override;

 private:
  int modalResult_;
  TActionLink actionLink_;
};

// A push button that can show a small bitmap before its caption. Without a
// glyph it is a plain button.
class TBitBtn : public TButton {
 public:
  using TButton::TButton;

  // The bitmap's pixel at (0, 0) gives its transparent colour.
  void SetGlyph(HBITMAP glyph);

 protected:
  void WndProc(TMessage& message) override;

 private:
  void Draw(const DRAWITEMSTRUCT& draw);

  win::UniqueImageList glyph_;
};

struct TCheckBoxOptions {
  TBounds bounds;
  std::string caption;
  bool checked = false;
  base::TNotifyEvent onClick;
};

class TCheckBox : public TControl {
 public:
  TCheckBox(TControl* parent, const TCheckBoxOptions& options);

  bool Checked() const;
  void SetChecked(bool checked);

  base::TNotifyEvent OnClick;

 protected:
  void WndProc(TMessage& message) override;
};

}  // namespace ui
