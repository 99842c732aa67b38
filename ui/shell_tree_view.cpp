#include "ui/shell_tree_view.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>

#include "win/code_page.h"
#include "win/os_error.h"

namespace ui {

struct TShellTreeView::Node {
  win::UniqueIdList idList;
  // Bound at the first expansion.
  win::ComPtr<IShellFolder> folder;
  bool childrenRead = false;
};

namespace {

DWORD TreeStyle(const TShellTreeViewOptions& options) {
  DWORD style =
      TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP | WS_TABSTOP;
  return options.showHints ? style : style | TVS_NOTOOLTIPS;
}

// Hidden folders show when the user has the shell show hidden files.
SHCONTF FolderEnumFlags() {
  SHELLFLAGSTATE state{};
  SHGetSettings(&state, SSF_SHOWALLOBJECTS);
  return SHCONTF_FOLDERS | (state.fShowAllObjects ? SHCONTF_INCLUDEHIDDEN : 0);
}

win::UniqueIdList RootIdList(TShellRoot root) {
  LPITEMIDLIST idList = nullptr;
  const int folder = root == TShellRoot::rfMyComputer ? CSIDL_DRIVES : CSIDL_DESKTOP;
  const HRESULT result = SHGetSpecialFolderLocation(nullptr, folder, &idList);
  if (FAILED(result))
    win::RaiseOSError(result);
  return win::UniqueIdList(idList);
}

bool IsDesktop(LPCITEMIDLIST idList) {
  return idList->mkid.cb == 0;
}

SHFILEINFOW FileInfo(LPCITEMIDLIST idList, UINT flags, DWORD attributes = 0) {
  SHFILEINFOW info{};
  info.dwAttributes = attributes;
  SHGetFileInfoW(reinterpret_cast<LPCWSTR>(idList), 0, &info, sizeof info, SHGFI_PIDL | flags);
  return info;
}

// The system's image list of small icons, which the shell's item icons index.
// It is shared by every program's shell views and never destroyed.
HIMAGELIST SystemSmallIcons(LPCITEMIDLIST anyItem) {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(
      SHGetFileInfoW(reinterpret_cast<LPCWSTR>(anyItem), 0, &info, sizeof info,
                     SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

}  // namespace

TShellTreeView::TShellTreeView(TControl* parent, const TShellTreeViewOptions& options)
    : TControl(parent, TWindowClass{WC_TREEVIEWW, TreeStyle(options), WS_EX_CLIENTEDGE},
               options.bounds, ""),
      enumFlags_(FolderEnumFlags()) {
  SetColor(clWindow);
  const HRESULT result = SHGetDesktopFolder(desktop_.Put());
  if (FAILED(result))
    win::RaiseOSError(result);
  win::UniqueIdList rootIdList = RootIdList(options.root);
  SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL,
               reinterpret_cast<LPARAM>(SystemSmallIcons(rootIdList.Get())));
  root_ = Insert(TVI_ROOT, std::move(rootIdList));
  SendMessageW(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root_));
}

// The items go while the nodes they point to are still there.
TShellTreeView::~TShellTreeView() {
  SendMessageW(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

HTREEITEM TShellTreeView::Selected() const {
  return reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
}

TShellTreeView::Node* TShellTreeView::NodeOf(HTREEITEM item) const {
  if (!item)
    return nullptr;
  TVITEMW info{};
  info.mask = TVIF_PARAM;
  info.hItem = item;
  if (!SendMessageW(Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info)))
    return nullptr;
  return reinterpret_cast<Node*>(info.lParam);
}

LPCITEMIDLIST TShellTreeView::IdList(HTREEITEM item) const {
  const Node* node = NodeOf(item);
  return node ? node->idList.Get() : nullptr;
}

std::string TShellTreeView::Path(HTREEITEM item) const {
  const LPCITEMIDLIST idList = IdList(item);
  wchar_t path[MAX_PATH] = {};
  if (!idList || !SHGetPathFromIDListW(idList, path))
    return std::string();
  return win::WideToUtf8(path);
}

// Name, icons and children are answered when the item first shows.
HTREEITEM TShellTreeView::Insert(HTREEITEM parent, win::UniqueIdList idList) {
  nodes_.push_back(std::make_unique<Node>());
  Node* node = nodes_.back().get();
  node->idList = std::move(idList);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM;
  insert.item.pszText = LPSTR_TEXTCALLBACKW;
  insert.item.iImage = I_IMAGECALLBACK;
  insert.item.iSelectedImage = I_IMAGECALLBACK;
  insert.item.cChildren = I_CHILDRENCALLBACK;
  insert.item.lParam = reinterpret_cast<LPARAM>(node);
  return reinterpret_cast<HTREEITEM>(
      SendMessageW(Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

// The answers are kept by the tree (TVIF_DI_SETITEM), so the shell is
// asked once per item.
void TShellTreeView::Describe(NMTVDISPINFOW& request) const {
  TVITEMW& item = request.item;
  const Node* node = reinterpret_cast<const Node*>(item.lParam);
  if (!node)
    return;
  const LPCITEMIDLIST idList = node->idList.Get();
  if (item.mask & TVIF_TEXT) {
    const SHFILEINFOW info = FileInfo(idList, SHGFI_DISPLAYNAME);
    lstrcpynW(item.pszText, info.szDisplayName, item.cchTextMax);
  }
  if (item.mask & TVIF_IMAGE)
    item.iImage = FileInfo(idList, SHGFI_SYSICONINDEX | SHGFI_SMALLICON).iIcon;
  if (item.mask & TVIF_SELECTEDIMAGE)
    item.iSelectedImage =
        FileInfo(idList, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON).iIcon;
  if (item.mask & TVIF_CHILDREN) {
    const SHFILEINFOW info =
        FileInfo(idList, SHGFI_ATTRIBUTES | SHGFI_ATTR_SPECIFIED, SFGAO_HASSUBFOLDER);
    item.cChildren = (info.dwAttributes & SFGAO_HASSUBFOLDER) ? 1 : 0;
  }
  item.mask |= TVIF_DI_SETITEM;
}

IShellFolder* TShellTreeView::BindFolder(Node& node) {
  if (!node.folder) {
    if (IsDesktop(node.idList.Get()))
      desktop_->QueryInterface(IID_IShellFolder, node.folder.PutVoid());
    else
      desktop_->BindToObject(node.idList.Get(), nullptr, IID_IShellFolder, node.folder.PutVoid());
  }
  return node.folder.Get();
}

// The subfolders in the shell's order, inserted with the tree's drawing
// held back. A folder that cannot be read shows as having none.
void TShellTreeView::ReadChildren(HTREEITEM item) {
  Node* node = NodeOf(item);
  if (!node || node->childrenRead)
    return;
  node->childrenRead = true;
  IShellFolder* folder = BindFolder(*node);
  win::ComPtr<IEnumIDList> list;
  std::vector<win::UniqueIdList> children;
  if (folder && folder->EnumObjects(Handle(), enumFlags_, list.Put()) == S_OK && list) {
    LPITEMIDLIST child = nullptr;
    while (list->Next(1, &child, nullptr) == S_OK)
      children.emplace_back(child);
  }
  std::stable_sort(children.begin(), children.end(),
                   [folder](const win::UniqueIdList& a, const win::UniqueIdList& b) {
                     const HRESULT order = folder->CompareIDs(0, a.Get(), b.Get());
                     return SUCCEEDED(order) && static_cast<short>(HRESULT_CODE(order)) < 0;
                   });
  SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  for (const win::UniqueIdList& child : children)
    Insert(item, win::UniqueIdList(ILCombine(node->idList.Get(), child.Get())));
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
  if (children.empty())
    SetHasChildren(item, false);
}

void TShellTreeView::SetHasChildren(HTREEITEM item, bool hasChildren) {
  TVITEMW info{};
  info.mask = TVIF_CHILDREN;
  info.hItem = item;
  info.cChildren = hasChildren ? 1 : 0;
  SendMessageW(Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&info));
}

void TShellTreeView::SelectItemAt(POINT point) {
  TVHITTESTINFO hit{};
  hit.pt = point;
  const auto item = reinterpret_cast<HTREEITEM>(
      SendMessageW(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (item && (hit.flags & TVHT_ONITEM))
    SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

void TShellTreeView::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(message.LParam);
    switch (header->code) {
      case TVN_GETDISPINFOW:
        Describe(*reinterpret_cast<NMTVDISPINFOW*>(header));
        return;
      case TVN_ITEMEXPANDINGW: {
        const auto* change = reinterpret_cast<NMTREEVIEWW*>(header);
        if (change->action & TVE_EXPAND)
          ReadChildren(change->itemNew.hItem);
        message.Result = FALSE;
        return;
      }
    }
  }
  if (message.Msg == WM_RBUTTONDOWN)
    SelectItemAt(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
  TControl::WndProc(message);
}

}  // namespace ui
