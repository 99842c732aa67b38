#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "base/path_text.h"
#include "tests/support/shell_tree_driver.h"
#include "tests/support/test_folder.h"
#include "tests/support/window_driver.h"
#include "ui/form.h"
#include "ui/shell_tree_view.h"
#include "win/code_page.h"

namespace {

using namespace ui;
using Names = std::vector<std::string>;
using test_support::ChildItems;
using test_support::ExpandTo;
using test_support::ItemText;

bool ShellShowsHiddenFolders() {
  SHELLFLAGSTATE state{};
  SHGetSettings(&state, SSF_SHOWALLOBJECTS);
  return state.fShowAllObjects != 0;
}

// A folder of subfolders (one hidden, one with a subfolder of its own) and
// a file, made in an unsorted order.
class ShellTreeViewTest : public testing::Test {
 protected:
  ShellTreeViewTest() {
    for (const char* name : {"gamma", "Alpha", "beta", "hidden", "gamma\\inner"}) {
      CreateDirectoryW(win::Utf8ToWide(folders.File(name)).c_str(), nullptr);
    }
    SetFileAttributesA(folders.File("hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CloseHandle(CreateFileW(win::Utf8ToWide(folders.File("clip.avi")).c_str(), GENERIC_WRITE, 0,
                            nullptr, CREATE_NEW, 0, nullptr));
    form.Show();
  }

  Names Texts(const std::vector<HTREEITEM>& items) {
    Names texts;
    for (HTREEITEM item : items) {
      texts.push_back(ItemText(*tree, item));
    }
    return texts;
  }

  int ChildrenFlag(HTREEITEM item) {
    TVITEMW info{};
    info.mask = TVIF_CHILDREN;
    info.hItem = item;
    SendMessageW(tree->Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
    return info.cChildren;
  }

  std::string Folder() const {
    const std::string path = folders.Path();
    return path.substr(0, path.size() - 1);
  }

  test_support::TestFolder folders;
  TForm form{TFormOptions{"Tree", 100, 100, 300, 400}};
  TShellTreeView* tree = new TShellTreeView(&form, {{8, 8, 284, 384}});
};

// The folder's subfolders appear only once it is expanded (here from the
// keyboard, as a user does), folders only, hidden ones as the shell shows
// them, in the shell's order, with the shell's names.
TEST_F(ShellTreeViewTest, SubfoldersAreReadWhenTheFolderIsFirstExpanded) {
  HTREEITEM folder = ExpandTo(*tree, Folder());
  ASSERT_NE(nullptr, folder);
  EXPECT_TRUE(ChildItems(*tree, folder).empty());

  SendMessageW(tree->Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(folder));
  SetFocus(tree->Handle());
  SendMessageW(tree->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  Names expected = {"Alpha", "beta", "gamma"};
  if (ShellShowsHiddenFolders()) {
    expected.insert(expected.begin() + 2, "hidden");
  }
  const std::vector<HTREEITEM> children = ChildItems(*tree, folder);
  EXPECT_EQ(expected, Texts(children));

  // A folder that turns out empty loses its button once expanded; one with
  // a subfolder keeps it.
  HTREEITEM alpha = children[0];
  HTREEITEM gamma = children.back();
  SendMessageW(tree->Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(alpha));
  SendMessageW(tree->Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(gamma));
  EXPECT_EQ(0, ChildrenFlag(alpha));
  EXPECT_EQ(1, ChildrenFlag(gamma));
  EXPECT_EQ(Names{"inner"}, Texts(ChildItems(*tree, gamma)));
}

// The icons are the shell's, from the system's image list, asked for once
// the items have shown (My Computer's differs from a folder's).
TEST_F(ShellTreeViewTest, ItemsShowTheShellsIcons) {
  HTREEITEM folder = ExpandTo(*tree, Folder());
  ASSERT_NE(nullptr, folder);
  HTREEITEM computer = ExpandTo(*tree, test_support::SpecialFolderIdList(CSIDL_DRIVES).Get());
  SHFILEINFOW system{};
  const auto systemIcons = static_cast<LRESULT>(
      SHGetFileInfoW(L"C:\\", 0, &system, sizeof system, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  EXPECT_EQ(systemIcons, SendMessageW(tree->Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0));

  const struct {
    HTREEITEM item;
    LPCITEMIDLIST idList;
  } items[] = {{folder, tree->IdList(folder)}, {computer, tree->IdList(computer)}};
  auto image = [&](HTREEITEM item, UINT mask) {
    TVITEMW info{};
    info.mask = mask;
    info.hItem = item;
    SendMessageW(tree->Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
    return mask == TVIF_IMAGE ? info.iImage : info.iSelectedImage;
  };
  for (const auto& shown : items) {
    image(shown.item, TVIF_IMAGE);
  }
  EXPECT_TRUE(test_support::PumpUntil([&] { return !tree->IconsPending(); }, 5000));
  for (const auto& shown : items) {
    auto shellIcon = [&](UINT flags) {
      SHFILEINFOW info{};
      SHGetFileInfoW(reinterpret_cast<LPCWSTR>(shown.idList), 0, &info, sizeof info,
                     SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | flags);
      return info.iIcon;
    };
    EXPECT_EQ(shellIcon(0), image(shown.item, TVIF_IMAGE));
    EXPECT_EQ(shellIcon(SHGFI_OPENICON), image(shown.item, TVIF_SELECTEDIMAGE));
  }
  EXPECT_NE(image(folder, TVIF_IMAGE), image(computer, TVIF_IMAGE));
}

TEST_F(ShellTreeViewTest, PathsOfFileSystemAndVirtualFolders) {
  wchar_t desktop[MAX_PATH] = {};
  SHGetSpecialFolderPathW(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE);
  EXPECT_EQ(win::WideToUtf8(desktop), tree->Path(tree->Root()));

  HTREEITEM computer = ExpandTo(*tree, test_support::SpecialFolderIdList(CSIDL_DRIVES).Get());
  ASSERT_NE(nullptr, computer);
  EXPECT_EQ("", tree->Path(computer));
  EXPECT_EQ("", tree->Path(nullptr));
  EXPECT_EQ("C:\\", tree->Path(ExpandTo(*tree, std::string("C:\\"))));
  EXPECT_EQ(Folder(), tree->Path(ExpandTo(*tree, Folder())));

  TShellTreeView computerTree(&form, {{0, 0, 10, 10}, TShellRoot::rfMyComputer});
  EXPECT_TRUE(ILIsEqual(computerTree.IdList(computerTree.Root()),
                        test_support::SpecialFolderIdList(CSIDL_DRIVES).Get()));
  EXPECT_EQ(Folder(), computerTree.Path(ExpandTo(computerTree, Folder())));
}

TEST_F(ShellTreeViewTest, RightButtonSelectsTheItemItClicks) {
  HTREEITEM folder = ExpandTo(*tree, Folder());
  ASSERT_NE(nullptr, folder);
  SendMessageW(tree->Handle(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(folder));
  RECT item{};
  ASSERT_TRUE(TreeView_GetItemRect(tree->Handle(), folder, &item, TRUE));
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  PostMessageW(tree->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, at);
  PostMessageW(tree->Handle(), WM_RBUTTONUP, 0, at);
  test_support::PumpUntil([&] { return tree->Selected() == folder; }, 2000);
  EXPECT_EQ(folder, tree->Selected());
  EXPECT_EQ(Folder(), tree->SelectedPath());
}

}  // namespace
