#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

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
// it is first expanded, and an item asks for its name, icons and whether it
// has subfolders only when it first shows, so a folder with thousands of
// subfolders opens at once. What was read stays: later changes on disk do
// not show. The right button selects the item it clicks.
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

 protected:
  void WndProc(TMessage& message) override;

 private:
  struct Node;

  Node* NodeOf(HTREEITEM item) const;
  HTREEITEM Insert(HTREEITEM parent, win::UniqueIdList idList);
  void Describe(NMTVDISPINFOW& request) const;
  void ReadChildren(HTREEITEM item);
  IShellFolder* BindFolder(Node& node);
  void SetHasChildren(HTREEITEM item, bool hasChildren);
  void SelectItemAt(POINT point);

  win::ComApartment com_;
  win::ComPtr<IShellFolder> desktop_;
  SHCONTF enumFlags_;
  std::vector<std::unique_ptr<Node>> nodes_;
  HTREEITEM root_ = nullptr;
};

}  // namespace ui
