#include "ui/std_controls.h"

#include <commctrl.h>

namespace ui {
namespace {

DWORD AlignmentStyle(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taCenter:
      return SS_CENTER;
    case TAlignment::taRightJustify:
      return SS_RIGHT;
    case TAlignment::taLeftJustify:
      break;
  }
  return SS_LEFT;
}

}  // namespace

TLabel::TLabel(TControl* parent, const TLabelOptions& options)
    : TControl(parent, TWindowClass{L"STATIC", AlignmentStyle(options.alignment)}, options.bounds,
               options.caption),
      transparent_(options.transparent) {
  if (options.bold) {
    Font().SetBold(true);
  }
}

void TLabel::WndProc(TMessage& message) {
  if (message.Msg == CN_CTLCOLORSTATIC && transparent_ && Parent()) {
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    message.Result = reinterpret_cast<LRESULT>(Parent()->ColorBrush());
    return;
  }
  TControl::WndProc(message);
}

TEdit::TEdit(TControl* parent, const TEditOptions& options)
    : TControl(
          parent,
          TWindowClass{L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | (options.readOnly ? ES_READONLY : 0u),
                       WS_EX_CLIENTEDGE},
          options.bounds, options.text) {
  SetColor(clWindow);
  OnChange = options.onChange;
}

void TEdit::SetText(const std::string& text) {
  if (text != Text()) {
    SetCaption(text);
  }
}

bool TEdit::ReadOnly() const {
  return (GetWindowLongW(Handle(), GWL_STYLE) & ES_READONLY) != 0;
}

void TEdit::SetReadOnly(bool readOnly) {
  SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

void TEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
    if (OnChange) {
      OnChange(this);
    }
    return;
  }
  TControl::WndProc(message);
}

TGroupBox::TGroupBox(TControl* parent, const TGroupBoxOptions& options)
    : TControl(parent, TWindowClass{L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT},
               options.bounds, options.caption) {}

void TGroupBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    // The button class leaves a group box's inside unpainted: behind the
    // controls it holds is the box itself, not its parent.
    case WM_ERASEBKGND:
      EraseWithColor(message);
      return;
    // The button class makes a group box transparent to the mouse, which
    // would hide the controls inside it from the mouse as well.
    case WM_NCHITTEST:
      message.Result = HTCLIENT;
      return;
  }
  TControl::WndProc(message);
}

TProgressBar::TProgressBar(TControl* parent, const TProgressBarOptions& options)
    : TControl(parent, TWindowClass{PROGRESS_CLASSW}, options.bounds, "") {
  SetRange(options.min, options.max);
}

int TProgressBar::Min() const {
  return static_cast<int>(SendMessageW(Handle(), PBM_GETRANGE, TRUE, 0));
}

int TProgressBar::Max() const {
  return static_cast<int>(SendMessageW(Handle(), PBM_GETRANGE, FALSE, 0));
}

void TProgressBar::SetRange(int min, int max) {
  SendMessageW(Handle(), PBM_SETRANGE32, min, max);
}

int TProgressBar::Position() const {
  return static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0));
}

void TProgressBar::SetPosition(int position) {
  SendMessageW(Handle(), PBM_SETPOS, position, 0);
}

}  // namespace ui
