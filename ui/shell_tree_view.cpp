#include "ui/shell_tree_view.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <windowsx.h>

#include <algorithm>

#include "win/code_page.h"
#include "win/os_error.h"

namespace ui {

struct TShellTreeView::Node {
  win::UniqueIdList idList;
  // The folder above, nullptr for the root.
  Node* parent = nullptr;
  // Bound at the first expansion.
  win::ComPtr<IShellFolder> folder;
  bool childrenRead = false;
  // Indexes in the system image list, -1 until asked for.
  int icon = -1;
  int openIcon = -1;
  bool iconsQueued = false;
};

namespace {

// Asks the tree window for the next item's icons; a message per item lets
// the user's input through between two of them.
constexpr UINT kFetchIconsMessage = WM_APP + 0x100;

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
  if (FAILED(result)) {
    win::RaiseOSError(result);
  }
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

// The plain folder icon, closed or open, found without reading the disk.
int PlainFolderIcon(UINT openFlag) {
  SHFILEINFOW info{};
  SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info,
                 SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | openFlag);
  return info.iIcon;
}

// The child's name as its folder shows it.
std::wstring DisplayName(IShellFolder& folder, LPCITEMIDLIST child) {
  STRRET name{};
  wchar_t text[MAX_PATH] = {};
  if (SUCCEEDED(folder.GetDisplayNameOf(child, SHGDN_INFOLDER, &name))) {
    StrRetToBufW(&name, child, text, MAX_PATH);
  }
  return text;
}

}  // namespace

TShellTreeView::TShellTreeView(TControl* parent, const TShellTreeViewOptions& options)
    : TControl(parent, TWindowClass{WC_TREEVIEWW, TreeStyle(options), WS_EX_CLIENTEDGE},
               options.bounds, ""),
      enumFlags_(FolderEnumFlags()),
      folderIcon_(PlainFolderIcon(0)),
      openFolderIcon_(PlainFolderIcon(SHGFI_OPENICON)) {
  SetColor(clWindow);
  const HRESULT result = SHGetDesktopFolder(desktop_.Put());
  if (FAILED(result)) {
    win::RaiseOSError(result);
  }
  win::UniqueIdList rootIdList = RootIdList(options.root);
  SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL,
               reinterpret_cast<LPARAM>(SystemSmallIcons(rootIdList.Get())));
  const std::wstring rootName = FileInfo(rootIdList.Get(), SHGFI_DISPLAYNAME).szDisplayName;
  root_ = Insert(TVI_ROOT, nullptr, std::move(rootIdList), rootName);
  SendMessageW(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root_));
}

// The items go while the nodes they point to are still there.
TShellTreeView::~TShellTreeView() {
  iconQueue_.clear();
  SendMessageW(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

HTREEITEM TShellTreeView::Selected() const {
  return reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
}

TShellTreeView::Node* TShellTreeView::NodeOf(HTREEITEM item) const {
  if (!item) {
    return nullptr;
  }
  TVITEMW info{};
  info.mask = TVIF_PARAM;
  info.hItem = item;
  if (!SendMessageW(Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info))) {
    return nullptr;
  }
  return reinterpret_cast<Node*>(info.lParam);
}

LPCITEMIDLIST TShellTreeView::IdList(HTREEITEM item) const {
  const Node* node = NodeOf(item);
  return node ? node->idList.Get() : nullptr;
}

std::string TShellTreeView::Path(HTREEITEM item) const {
  const LPCITEMIDLIST idList = IdList(item);
  wchar_t path[MAX_PATH] = {};
  if (!idList || !SHGetPathFromIDListW(idList, path)) {
    return std::string();
  }
  return win::WideToUtf8(path);
}

// Icons and children are answered when the item first shows. The name is
// given here: the tree asks for the names of all the items it lays out,
// not only of those that show.
HTREEITEM TShellTreeView::Insert(HTREEITEM parent, Node* parentNode, win::UniqueIdList idList,
                                 const std::wstring& name) {
  nodes_.push_back(std::make_unique<Node>());
  Node* node = nodes_.back().get();
  node->idList = std::move(idList);
  node->parent = parentNode;
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM;
  insert.item.pszText = const_cast<wchar_t*>(name.c_str());
  insert.item.iImage = I_IMAGECALLBACK;
  insert.item.iSelectedImage = I_IMAGECALLBACK;
  insert.item.cChildren = I_CHILDRENCALLBACK;
  insert.item.lParam = reinterpret_cast<LPARAM>(node);
  return reinterpret_cast<HTREEITEM>(
      SendMessageW(Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

// Asked at every painting of the item, so the answers come from the node.
// The shell takes several milliseconds for an item's icon (tens under
// Wine): the plain folder icon stands in until FetchNextIcons has asked.
void TShellTreeView::Describe(NMTVDISPINFOW& request) {
  TVITEMW& item = request.item;
  Node* node = reinterpret_cast<Node*>(item.lParam);
  if (!node) {
    return;
  }
  if (item.mask & (TVIF_IMAGE | TVIF_SELECTEDIMAGE)) {
    if (node->icon < 0) {
      QueueIcons(item.hItem, *node);
    }
    item.iImage = node->icon < 0 ? folderIcon_ : node->icon;
    item.iSelectedImage = node->openIcon < 0 ? openFolderIcon_ : node->openIcon;
  }
  if (item.mask & TVIF_CHILDREN) {
    item.cChildren = HasSubfolders(*node) ? 1 : 0;
  }
}

// Asked of the folder above, which was bound when it was expanded.
bool TShellTreeView::HasSubfolders(const Node& node) const {
  const LPCITEMIDLIST idList = node.idList.Get();
  IShellFolder* above = node.parent ? node.parent->folder.Get() : desktop_.Get();
  if (IsDesktop(idList) || !above) {
    return true;
  }
  LPCITEMIDLIST child = ILFindLastID(idList);
  SFGAOF attributes = SFGAO_HASSUBFOLDER;
  return SUCCEEDED(above->GetAttributesOf(1, &child, &attributes)) &&
         (attributes & SFGAO_HASSUBFOLDER);
}

void TShellTreeView::QueueIcons(HTREEITEM item, Node& node) {
  if (node.iconsQueued) {
    return;
  }
  node.iconsQueued = true;
  iconQueue_.push_back(item);
  if (iconQueue_.size() == 1) {
    PostMessageW(Handle(), kFetchIconsMessage, 0, 0);
  }
}

void TShellTreeView::FetchNextIcons() {
  if (iconQueue_.empty()) {
    return;
  }
  const HTREEITEM item = iconQueue_.front();
  iconQueue_.pop_front();
  if (Node* node = NodeOf(item)) {
    const LPCITEMIDLIST idList = node->idList.Get();
    node->icon = FileInfo(idList, SHGFI_SYSICONINDEX | SHGFI_SMALLICON).iIcon;
    node->openIcon = FileInfo(idList, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON).iIcon;
    RECT row{};
    if (TreeView_GetItemRect(Handle(), item, &row, FALSE)) {
      InvalidateRect(Handle(), &row, FALSE);
    }
  }
  if (!iconQueue_.empty()) {
    PostMessageW(Handle(), kFetchIconsMessage, 0, 0);
  }
}

IShellFolder* TShellTreeView::BindFolder(Node& node) {
  if (!node.folder) {
    if (IsDesktop(node.idList.Get())) {
      desktop_->QueryInterface(IID_IShellFolder, node.folder.PutVoid());
    } else {
      desktop_->BindToObject(node.idList.Get(), nullptr, IID_IShellFolder, node.folder.PutVoid());
    }
  }
  return node.folder.Get();
}

// The subfolders in the shell's order, inserted with the tree's drawing
// held back. A folder that cannot be read shows as having none.
void TShellTreeView::ReadChildren(HTREEITEM item) {
  Node* node = NodeOf(item);
  if (!node || node->childrenRead) {
    return;
  }
  node->childrenRead = true;
  IShellFolder* folder = BindFolder(*node);
  win::ComPtr<IEnumIDList> list;
  std::vector<win::UniqueIdList> children;
  if (folder && folder->EnumObjects(Handle(), enumFlags_, list.Put()) == S_OK && list) {
    LPITEMIDLIST child = nullptr;
    while (list->Next(1, &child, nullptr) == S_OK) {
      children.emplace_back(child);
    }
  }
  std::stable_sort(children.begin(), children.end(),
                   [folder](const win::UniqueIdList& a, const win::UniqueIdList& b) {
                     const HRESULT order = folder->CompareIDs(0, a.Get(), b.Get());
                     return SUCCEEDED(order) && static_cast<short>(HRESULT_CODE(order)) < 0;
                   });
  SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  for (const win::UniqueIdList& child : children) {
    Insert(item, node, win::UniqueIdList(ILCombine(node->idList.Get(), child.Get())),
           DisplayName(*folder, child.Get()));
  }
  SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
  if (children.empty()) {
    SetHasChildren(item, false);
  }
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
  if (item && (hit.flags & TVHT_ONITEM)) {
    SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  }
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
        if (change->action & TVE_EXPAND) {
          ReadChildren(change->itemNew.hItem);
        }
        message.Result = FALSE;
        return;
      }
    }
  }
  if (message.Msg == kFetchIconsMessage) {
    FetchNextIcons();
    return;
  }
  if (message.Msg == WM_RBUTTONDOWN) {
    SelectItemAt(POINT{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
  }
  TControl::WndProc(message);
}

}  // namespace ui
