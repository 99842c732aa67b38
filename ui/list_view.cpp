#include "ui/list_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include <optional>

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

void SetItemText(HWND view, int index, int column, const std::string& utf8) {
  std::wstring text = win::Utf8ToWide(utf8);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = &text[0];
  SendMessageW(view, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
}

// Long texts, such as an encoder's whole message, wrap at this width.
constexpr int kTipWidth = 400;

}  // namespace

std::string TListItem::Caption() const {
  return ItemText(view_->Handle(), index_, 0);
}

void TListItem::SetCaption(const std::string& caption) {
  SetItemText(view_->Handle(), index_, 0, caption);
}

std::string TListItem::SubItemText(int column) const {
  return ItemText(view_->Handle(), index_, column);
}

void TListItem::SetSubItemText(int column, const std::string& text) {
  SetItemText(view_->Handle(), index_, column, text);
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
  CreateTip();
}

// The tip is a window owned by the list view's, which takes it along when
// it goes. Its one tool is the row under the mouse: moving to another row
// moves the tool, so the tip goes and, once the mouse rests, comes back
// with that row's text.
void TListView::CreateTip() {
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                         WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, nullptr, nullptr);
  if (!tip_) {
    return;
  }
  TTTOOLINFOW tool = TipTool();
  tool.uFlags = TTF_SUBCLASS;
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
}

TTTOOLINFOW TListView::TipTool() const {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.hwnd = Handle();
  tool.uId = 1;
  return tool;
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
      case LVN_ENDLABELEDITW: {
        const LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(message.LParam)->item;
        message.Result = EndLabelEdit(
            item.iItem, item.pszText ? std::optional<std::string>(win::WideToUtf8(item.pszText))
                                     : std::nullopt);
        return;
      }
      case LVN_ENDLABELEDITA: {
        const LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(message.LParam)->item;
        message.Result = EndLabelEdit(
            item.iItem, item.pszText ? std::optional<std::string>(
                                           win::AnsiToUtf8(win::AnsiString(item.pszText)))
                                     : std::nullopt);
        return;
      }
    }
  }
  if (message.Msg == WM_NOTIFY && tip_ &&
      reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom == tip_ &&
      reinterpret_cast<NMHDR*>(message.LParam)->code == TTN_GETDISPINFOW) {
    GiveTipText(*reinterpret_cast<NMTTDISPINFOW*>(message.LParam));
    message.Result = 0;
    return;
  }
  if (message.Msg == WM_MOUSEMOVE) {
    MouseMoved(message.LParam);
  }
  TControl::WndProc(message);
}

// A text means the edit was confirmed. It is made the caption here, not
// by the list view after the answer, so the listener sees it; TRUE lets
// the list view set the same text.
LRESULT TListView::EndLabelEdit(int index, const std::optional<std::string>& text) {
  if (!text) {
    return FALSE;
  }
  SetItemText(Handle(), index, 0, *text);
  if (OnItemEdited) {
    OnItemEdited(index);
  }
  return TRUE;
}

void TListView::MouseMoved(LPARAM position) {
  LVHITTESTINFO hit{};
  hit.pt = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  int index =
      static_cast<int>(SendMessageW(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (!(hit.flags & LVHT_ONITEM)) {
    index = -1;
  }
  if (index == tipItem_ || !tip_) {
    return;
  }
  tipItem_ = index;
  TTTOOLINFOW tool = TipTool();
  if (index >= 0) {
    tool.rect.left = LVIR_BOUNDS;
    SendMessageW(Handle(), LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tool.rect));
  }
  SendMessageW(tip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TListView::GiveTipText(NMTTDISPINFOW& request) {
  tipText_.clear();
  if (tipItem_ >= 0 && tipItem_ < ItemCount() && OnItemTip) {
    tipText_ = win::Utf8ToWide(OnItemTip(tipItem_));
  }
  request.lpszText = &tipText_[0];
  request.hinst = nullptr;
}

}  // namespace ui
