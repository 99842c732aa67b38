#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "ui/shell_tree_view.h"
#include "win/id_list.h"

// Drives a shell folder tree as a user does: expanding folders from the
// root down and selecting one.
namespace test_support {

// The ID list of a file-system path or of a special folder (CSIDL_DRIVES).
win::UniqueIdList ParsedIdList(const std::string& path);
win::UniqueIdList SpecialFolderIdList(int csidl);

// Expands the tree from its root down to the folder and returns its item,
// or nullptr when the tree does not hold it.
HTREEITEM ExpandTo(ui::TShellTreeView& tree, LPCITEMIDLIST folder);
HTREEITEM ExpandTo(ui::TShellTreeView& tree, const std::string& path);
// Expands the path's folder and selects it; false when it is not there.
bool SelectFolder(ui::TShellTreeView& tree, const std::string& path);

std::vector<HTREEITEM> ChildItems(const ui::TShellTreeView& tree, HTREEITEM item);
std::string ItemText(const ui::TShellTreeView& tree, HTREEITEM item);

}  // namespace test_support
