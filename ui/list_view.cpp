#include "ui/list_view.h"

#include <commctrl.h>

#include "win/code_page.h"

namespace ui {
namespace {

DWORD ListViewStyle(const TListViewOptions& options) {
  DWORD style = LVS_REPORT | WS_TABSTOP;
  style |= options.multiSelect ? 0 : LVS_SINGLESEL;
  style |= options.readOnly ? 0 : LVS_EDITLABELS;
  style |= options.hideSelection ? 0 : LVS_SHOWSELALWAYS;
  return style;
}

std::string ItemText(HWND view, int index, int column) {
  std::wstring text(260, L'\0');
  LVITEMW item{};
  item.iSubItem = column;
  for (;;) {
    item.pszText = &text[0];
    item.cchTextMax = static_cast<int>(text.size());
    const int length = static_cast<int>(
        SendMessageW(view, LVM_GETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item)));
    // A full buffer may have cut the text short: try again with more room.
    if (length < static_cast<int>(text.size()) - 1) {
      text.resize(length);
      return win::WideToUtf8(text);
    }
    text.resize(text.size() * 2);
  }
}

}  // namespace

std::string TListItem::Caption() const {
  return ItemText(view_->Handle(), index_, 0);
}

void TListItem::SetCaption(const std::string& caption) {
  std::wstring text = win::Utf8ToWide(caption);
  LVITEMW item{};
  item.iSubItem = 0;
  item.pszText = &text[0];
  SendMessageW(view_->Handle(), LVM_SETITEMTEXTW, index_, reinterpret_cast<LPARAM>(&item));
}

bool TListItem::HasState(UINT state) const {
  return (SendMessageW(view_->Handle(), LVM_GETITEMSTATE, index_, state) & state) != 0;
}

void TListItem::SetState(UINT state, bool on) {
  LVITEMW item{};
  item.stateMask = state;
  item.state = on ? state : 0;
  SendMessageW(view_->Handle(), LVM_SETITEMSTATE, index_, reinterpret_cast<LPARAM>(&item));
}

bool TListItem::Selected() const {
  return HasState(LVIS_SELECTED);
}

void TListItem::SetSelected(bool selected) {
  SetState(LVIS_SELECTED, selected);
}

bool TListItem::Focused() const {
  return HasState(LVIS_FOCUSED);
}

void TListItem::SetFocused(bool focused) {
  SetState(LVIS_FOCUSED, focused);
}

TListView::TListView(TControl* parent, const TListViewOptions& options)
    : TControl(parent, TWindowClass{WC_LISTVIEWW, ListViewStyle(options), WS_EX_CLIENTEDGE},
               options.bounds, ""),
      readOnly_(options.readOnly) {
  SetColor(clWindow);
  DWORD extended =
      (options.gridLines ? LVS_EX_GRIDLINES : 0u) | (options.rowSelect ? LVS_EX_FULLROWSELECT : 0u);
  SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  for (size_t index = 0; index < options.columns.size(); ++index) {
    AddColumn(static_cast<int>(index), options.columns[index]);
  }
}

void TListView::AddColumn(int index, const TListColumn& column) {
  std::wstring text = win::Utf8ToWide(column.caption);
  LVCOLUMNW info{};
  info.mask = LVCF_TEXT | LVCF_WIDTH;
  info.pszText = &text[0];
  info.cx = column.width;
  SendMessageW(Handle(), LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&info));
}

int TListView::ItemCount() const {
  return static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0));
}

TListItem TListView::AddItem(const std::string& caption) {
  std::wstring text = win::Utf8ToWide(caption);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = ItemCount();
  item.pszText = &text[0];
  const int index =
      static_cast<int>(SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  return TListItem(*this, index);
}

void TListView::DeleteItem(int index) {
  SendMessageW(Handle(), LVM_DELETEITEM, index, 0);
}

void TListView::Clear() {
  SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
}

int TListView::SelectedIndex() const {
  return static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

void TListView::BeginUpdate() {
  if (updateCount_++ == 0) {
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  }
}

void TListView::EndUpdate() {
  if (updateCount_ == 0 || --updateCount_ > 0) {
    return;
  }
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

std::string TListView::ColumnCaption(int column) const {
  std::wstring text(260, L'\0');
  LVCOLUMNW info{};
  info.mask = LVCF_TEXT;
  info.pszText = &text[0];
  info.cchTextMax = static_cast<int>(text.size());
  SendMessageW(Handle(), LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
  return win::WideToUtf8(info.pszText);
}

void TListView::SetColumnCaption(int column, const std::string& caption) {
  std::wstring text = win::Utf8ToWide(caption);
  LVCOLUMNW info{};
  info.mask = LVCF_TEXT;
  info.pszText = &text[0];
  SendMessageW(Handle(), LVM_SETCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
}

void TListView::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    switch (reinterpret_cast<NMHDR*>(message.LParam)->code) {
      case LVN_BEGINLABELEDITW:
      case LVN_BEGINLABELEDITA:
        message.Result = readOnly_ ? TRUE : FALSE;  // TRUE refuses the edit
        return;
      case LVN_ENDLABELEDITW:
      case LVN_ENDLABELEDITA:
        // A text means the edit was confirmed: TRUE makes it the caption.
        message.Result =
            reinterpret_cast<NMLVDISPINFOW*>(message.LParam)->item.pszText ? TRUE : FALSE;
        return;
    }
  }
  TControl::WndProc(message);
}

}  // namespace ui
