#include "ui/combo_box.h"

#include "win/code_page.h"

namespace ui {
namespace {

// The window of a combo box is as high as the box with its list dropped.
TBounds DroppedBounds(const TComboBoxOptions& options) {
  constexpr int kItemHeight = 16;
  TBounds bounds = options.bounds;
  bounds.height = (bounds.height > 0 ? bounds.height : 21) + options.dropDownCount * kItemHeight;
  return bounds;
}

}  // namespace

TComboBox::TComboBox(TControl* parent, const TComboBoxOptions& options)
    : TControl(parent, TWindowClass{L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP},
               DroppedBounds(options), "") {
  SetColor(clWindow);
  for (const std::string& item : options.items) {
    AddItem(item);
  }
  SetItemIndex(options.itemIndex);
  OnChange = options.onChange;
}

int TComboBox::ItemCount() const {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0));
}

std::string TComboBox::Item(int index) const {
  const LRESULT length = SendMessageW(Handle(), CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  SendMessageW(Handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(length);
  return win::WideToUtf8(text);
}

void TComboBox::AddItem(const std::string& item) {
  const std::wstring text = win::Utf8ToWide(item);
  SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int TComboBox::ItemIndex() const {
  return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetItemIndex(int index) {
  SendMessageW(Handle(), CB_SETCURSEL, index, 0);
}

std::string TComboBox::Text() const {
  return Item(ItemIndex());
}

void TComboBox::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == CBN_SELCHANGE) {
    if (OnChange) {
      OnChange(this);
    }
    return;
  }
  TControl::WndProc(message);
}

}  // namespace ui
