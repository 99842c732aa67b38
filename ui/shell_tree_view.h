#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "win/com_ptr.h"
#include "win/id_list.h"

namespace ui {

enum class TShellRoot { rfDesktop, rfMyComputer };

struct TShellTreeViewOptions {
  TBounds bounds;
  TShellRoot root = TShellRoot::rfDesktop;
  // A tool tip shows the whole name of an item that the border cuts off.
  bool showHints = false;
};

// The folders of the shell namespace as a tree below a root, with the
// shell's names and icons; hidden folders show as the shell shows them. The
// root starts expanded. A folder's subfolders are read from the shell when
// it is first expanded, so a folder with thousands of subfolders opens at
// once. An item's icons are asked of the shell only when it first shows,
// after the tree has been drawn: until then it shows the plain folder icon.
// What was read stays: later changes on disk do not show. The right button
// selects the item it clicks.
class TShellTreeView : public TControl {
 public:
  TShellTreeView(TControl* parent, const TShellTreeViewOptions& options);
  ~TShellTreeView() override;

  HTREEITEM Root() const { return root_; }
  HTREEITEM Selected() const;
  // The item's folder as an ID list from the desktop; nullptr for no item.
  LPCITEMIDLIST IdList(HTREEITEM item) const;
  // The file-system path of the item's folder (a drive root with its
  // backslash, any other folder without one), or empty for no item and for
  // a folder that has no such path, such as My Computer.
  std::string Path(HTREEITEM item) const;
  std::string SelectedPath() const { return Path(Selected()); }
  // Whether icons of items that have shown are still to be asked for.
  bool IconsPending() const { return !iconQueue_.empty(); }

 protected:
  void WndProc(TMessage& message) override;

 private:
  struct Node;

  Node* NodeOf(HTREEITEM item) const;
  HTREEITEM Insert(HTREEITEM parent, Node* parentNode, win::UniqueIdList idList,
                   const std::wstring& name);
  void Describe(NMTVDISPINFOW& request);
  bool HasSubfolders(const Node& node) const;
  void QueueIcons(HTREEITEM item, Node& node);
  void FetchNextIcons();
  void ReadChildren(HTREEITEM item);
  IShellFolder* BindFolder(Node& node);
  void SetHasChildren(HTREEITEM item, bool hasChildren);
  void SelectItemAt(POINT point);

  win::ComApartment com_;
  win::ComPtr<IShellFolder> desktop_;
  SHCONTF enumFlags_;
  // Shown until an item's own icons are known.
  int folderIcon_;
  int openFolderIcon_;
  std::vector<std::unique_ptr<Node>> nodes_;
  std::deque<HTREEITEM> iconQueue_;
  HTREEITEM root_ = nullptr;
};

}  // namespace ui
