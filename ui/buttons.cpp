#include "ui/buttons.h"

#include "win/code_page.h"

namespace ui {

TButton::TButton(TControl* parent, const TButtonOptions& options)
    : TControl(parent, TWindowClass{L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP}, options.bounds,
               options.caption),
      modalResult_(options.modalResult),
      actionLink_([this](const TAction& action) {
        // A button repaints at once when given a text, even its own: a
        // change of the action's enabled state alone leaves the text be.
        if (Caption() != action.Caption()) {
          SetCaption(action.Caption());
        }
        SetEnabled(action.Enabled());
      }) {
  OnClick = options.onClick;
  if (options.action) {
    SetAction(options.action);
  }
  if (options.isDefault) {
    SetDefault(true);
  }
  if (options.isCancel) {
    SetCancel(true);
  }
}

TButton::~TButton() {
  if (Default()) {
    SetDefault(false);
  }
  if (Cancel()) {
    SetCancel(false);
  }
}

bool TButton::Default() const {
  TForm* form = GetParentForm(*this);
  return form && form->DefaultButton() == this;
}

void TButton::SetDefault(bool isDefault) {
  TForm* form = GetParentForm(*this);
  if (!form) {
    return;
  }
  if (isDefault) {
    form->SetDefaultButton(this);
  } else if (form->DefaultButton() == this) {
    form->SetDefaultButton(nullptr);
  }
  const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
  if ((style & BS_TYPEMASK) == BS_PUSHBUTTON || (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
    SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
}

bool TButton::Cancel() const {
  TForm* form = GetParentForm(*this);
  return form && form->CancelButton() == this;
}

void TButton::SetCancel(bool isCancel) {
  TForm* form = GetParentForm(*this);
  if (!form) {
    return;
  }
  if (isCancel) {
    form->SetCancelButton(this);
  } else if (form->CancelButton() == this) {
    form->SetCancelButton(nullptr);
  }
}

// What the click does may free the button with its form: the handler
// runs from a copy, and the button is touched afterwards only if it is
// still there.
void TButton::Click() {
  const Watch watch(*this);
  if (TAction* action = Action()) {
    action->Execute();
  } else if (OnClick) {
    const base::TNotifyEvent handler = OnClick;
    handler(this);
  }
  if (!watch.Gone() && modalResult_ != mrNone) {
    if (TForm* form = GetParentForm(*this)) {
      form->SetModalResult(modalResult_);
    }
  }
}

void TButton::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
    Click();
    return;
  }
  TControl::WndProc(message);
}

void TBitBtn::SetGlyph(HBITMAP glyph) {
  BITMAP info{};
  GetObjectW(glyph, sizeof info, &info);
  COLORREF transparent;
  {
    win::MemoryDC dc(nullptr);
    win::SelectedObject selected(dc.Get(), glyph);
    transparent = GetPixel(dc.Get(), 0, 0);
  }
  glyph_.Reset(ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0));
  ImageList_AddMasked(glyph_.Get(), glyph, transparent);
  LONG style = GetWindowLongW(Handle(), GWL_STYLE);
  SetWindowLongW(Handle(), GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TBitBtn::WndProc(TMessage& message) {
  if (message.Msg == CN_DRAWITEM) {
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
    message.Result = TRUE;
    return;
  }
  TButton::WndProc(message);
}

// Frame, then glyph and caption side by side in the middle, moved one
// pixel while pressed.
void TBitBtn::Draw(const DRAWITEMSTRUCT& draw) {
  const bool pressed = (draw.itemState & ODS_SELECTED) != 0;
  const bool disabled = (draw.itemState & ODS_DISABLED) != 0;
  RECT frame = draw.rcItem;
  DrawFrameControl(draw.hDC, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  win::SelectedObject font(draw.hDC, Font().Handle());
  const std::wstring text = win::Utf8ToWide(Caption());
  SIZE textSize{};
  GetTextExtentPoint32W(draw.hDC, text.c_str(), static_cast<int>(text.size()), &textSize);
  int glyphWidth = 0;
  int glyphHeight = 0;
  ImageList_GetIconSize(glyph_.Get(), &glyphWidth, &glyphHeight);
  const int spacing = text.empty() ? 0 : 4;
  const int shift = pressed ? 1 : 0;
  const RECT& area = draw.rcItem;
  int x = (area.right - area.left - glyphWidth - spacing - textSize.cx) / 2 + shift;
  ImageList_Draw(glyph_.Get(), 0, draw.hDC, x, (area.bottom - area.top - glyphHeight) / 2 + shift,
                 ILD_TRANSPARENT);
  x += glyphWidth + spacing;
  SetBkMode(draw.hDC, TRANSPARENT);
  SetTextColor(draw.hDC, disabled ? GetSysColor(COLOR_GRAYTEXT) : ColorToRGB(Font().Color()));
  RECT textArea{x, area.top + shift, area.right, area.bottom + shift};
  DrawTextW(draw.hDC, text.c_str(), static_cast<int>(text.size()), &textArea,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (draw.itemState & ODS_FOCUS) {
    RECT focus = area;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(draw.hDC, &focus);
  }
}

TCheckBox::TCheckBox(TControl* parent, const TCheckBoxOptions& options)
    : TControl(parent,
               TWindowClass{L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP |
                                           (options.alignment == TAlignment::taLeftJustify
                                                ? static_cast<DWORD>(BS_LEFTTEXT)
                                                : 0u)},
               options.bounds, options.caption) {
  OnClick = options.onClick;
  SetChecked(options.checked);
}

bool TCheckBox::Checked() const {
  return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
    if (OnClick) {
      const base::TNotifyEvent handler = OnClick;  // the click may free the box
      handler(this);
    }
    return;
  }
  TControl::WndProc(message);
}

}  // namespace ui
