#include "tests/support/shell_tree_driver.h"

#include <stdexcept>

#include "win/code_page.h"

namespace test_support {

win::UniqueIdList ParsedIdList(const std::string& path) {
  LPITEMIDLIST idList = nullptr;
  if (FAILED(SHParseDisplayName(win::Utf8ToWide(path).c_str(), nullptr, &idList, 0, nullptr))) {
    throw std::runtime_error("the shell does not know " + path);
  }
  return win::UniqueIdList(idList);
}

win::UniqueIdList SpecialFolderIdList(int csidl) {
  LPITEMIDLIST idList = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &idList))) {
    throw std::runtime_error("no special folder " + std::to_string(csidl));
  }
  return win::UniqueIdList(idList);
}

std::vector<HTREEITEM> ChildItems(const ui::TShellTreeView& tree, HTREEITEM item) {
  std::vector<HTREEITEM> children;
  auto next = [&](UINT relation, HTREEITEM from) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree.Handle(), TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
  };
  for (HTREEITEM child = next(TVGN_CHILD, item); child; child = next(TVGN_NEXT, child)) {
    children.push_back(child);
  }
  return children;
}

std::string ItemText(const ui::TShellTreeView& tree, HTREEITEM item) {
  wchar_t text[MAX_PATH] = {};
  TVITEMW info{};
  info.mask = TVIF_TEXT;
  info.hItem = item;
  info.pszText = text;
  info.cchTextMax = MAX_PATH;
  SendMessageW(tree.Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
  return win::WideToUtf8(text);
}

HTREEITEM ExpandTo(ui::TShellTreeView& tree, LPCITEMIDLIST folder) {
  HTREEITEM item = tree.Root();
  while (item && !ILIsEqual(tree.IdList(item), folder)) {
    if (!ILIsParent(tree.IdList(item), folder, FALSE)) {
      return nullptr;
    }
    SendMessageW(tree.Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    HTREEITEM parent = item;
    item = nullptr;
    for (HTREEITEM child : ChildItems(tree, parent)) {
      if (ILIsParent(tree.IdList(child), folder, FALSE)) {
        item = child;
        break;
      }
    }
  }
  return item;
}

HTREEITEM ExpandTo(ui::TShellTreeView& tree, const std::string& path) {
  return ExpandTo(tree, ParsedIdList(path).Get());
}

bool SelectFolder(ui::TShellTreeView& tree, const std::string& path) {
  HTREEITEM item = ExpandTo(tree, path);
  if (item) {
    SendMessageW(tree.Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  }
  return item != nullptr;
}

}  // namespace test_support
