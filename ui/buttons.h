#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "ui/action.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/gdi.h"

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
  TNotifyEvent onClick;
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

  // Executes the bound action, or else OnClick; then sets the modal result.
  void Click();

  TNotifyEvent OnClick;

 protected:
  void WndProc(TMessage& message) override;

 private:
  int modalResult_;
  TActionLink actionLink_;
};

// Owns an image list and destroys it when it goes.
class UniqueImageList {
 public:
  UniqueImageList() = default;
  explicit UniqueImageList(HIMAGELIST list) : list_(list) {}
  ~UniqueImageList();
  UniqueImageList(const UniqueImageList&) = delete;
  UniqueImageList& operator=(const UniqueImageList&) = delete;

  HIMAGELIST Get() const { return list_; }
  void Reset(HIMAGELIST list);

 private:
  HIMAGELIST list_ = nullptr;
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

  UniqueImageList glyph_;
};

struct TCheckBoxOptions {
  TBounds bounds;
  std::string caption;
  bool checked = false;
  TNotifyEvent onClick;
};

class TCheckBox : public TControl {
 public:
  TCheckBox(TControl* parent, const TCheckBoxOptions& options);

  bool Checked() const;
  void SetChecked(bool checked);

  TNotifyEvent OnClick;

 protected:
  void WndProc(TMessage& message) override;
};

}  // namespace ui
