#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

enum class TAlignment { taLeftJustify, taCenter, taRightJustify };

struct TLabelOptions {
  TBounds bounds;
  std::string caption;
  TAlignment alignment = TAlignment::taLeftJustify;
  bool bold = false;
  // Shows the parent's colour behind the text instead of its own.
  bool transparent = false;
};

// A line of static text.
class TLabel : public TControl {
 public:
  TLabel(TControl* parent, const TLabelOptions& options);

  bool Transparent() const { return transparent_; }

 protected:
  void WndProc(TMessage& message) override;

 private:
  bool transparent_;
};

struct TEditOptions {
  TBounds bounds;
  std::string text;
  bool readOnly = false;
  base::TNotifyEvent onChange;
};

// A one-line text field. OnChange follows every change of the text, typed or
// set; setting the text it already holds is no change.
class TEdit : public TControl {
 public:
  TEdit(TControl* parent, const TEditOptions& options);

  std::string Text() const { return Caption(); }
  void SetText(const std::string& text);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);

  base::TNotifyEvent OnChange;

 protected:
  void WndProc(TMessage& message) override;
};

struct TGroupBoxOptions {
  TBounds bounds;
  std::string caption;
};

// A framed, captioned box that holds other controls.
class TGroupBox : public TControl {
 public:
  TGroupBox(TControl* parent, const TGroupBoxOptions& options);

 protected:
  void WndProc(TMessage& message) override;
};

struct TProgressBarOptions {
  TBounds bounds;
  int min = 0;
  int max = 100;
};

class TProgressBar : public TControl {
 public:
  TProgressBar(TControl* parent, const TProgressBarOptions& options);

  int Min() const;
  int Max() const;
  void SetRange(int min, int max);
  int Position() const;
  void SetPosition(int position);
};

}  // namespace ui
