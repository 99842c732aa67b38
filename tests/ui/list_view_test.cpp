#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/support/unicode_names.h"
#include "tests/support/window_driver.h"
#include "ui/form.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "win/code_page.h"

namespace {

using namespace ui;

class ListViewTest : public testing::Test {
 protected:
  ListViewTest() {
    list = new TListView(&form, {{2, 10, 406, 137}, {{"文件列表", 399}}, true, true});
    form.Show();
  }

  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    for (int index = 0; index < list->ItemCount(); ++index) {
      captions.push_back(list->Item(index).Caption());
    }
    return captions;
  }

  // Edits the first item in place, typing text and ending with a key.
  void EditFirstItem(const wchar_t* text, UINT endKey) {
    SetFocus(list->Handle());
    HWND editor = reinterpret_cast<HWND>(SendMessageW(list->Handle(), LVM_EDITLABELW, 0, 0));
    ASSERT_NE(nullptr, editor);
    SetWindowTextW(editor, text);
    SendMessageW(editor, WM_KEYDOWN, endKey, 0);
  }

  TForm form{TFormOptions{"List", 100, 100, 414, 200}};
  TListView* list;
};

TEST_F(ListViewTest, ItemsAreAddedSelectedAndRemoved) {
  EXPECT_EQ("文件列表", list->ColumnCaption(0));
  list->AddItem("C:\\Video\\a.avi");
  list->AddItem("C:\\Video\\b.avi");
  list->AddItem("C:\\Video\\a.avi");
  EXPECT_EQ(3, list->ItemCount());
  EXPECT_EQ(-1, list->SelectedIndex());

  list->Item(1).SetSelected(true);
  list->Item(1).SetFocused(true);
  EXPECT_EQ(1, list->SelectedIndex());
  EXPECT_TRUE(list->Item(1).Focused());
  // Single selection: selecting another item leaves only that one.
  list->Item(2).SetSelected(true);
  EXPECT_FALSE(list->Item(1).Selected());
  EXPECT_EQ(2, list->SelectedIndex());

  list->Item(0).SetCaption("C:\\Video\\first.avi");
  list->DeleteItem(1);
  EXPECT_EQ((std::vector<std::string>{"C:\\Video\\first.avi", "C:\\Video\\a.avi"}), Captions());
  list->Clear();
  EXPECT_EQ(0, list->ItemCount());
}

// The listener hears of a confirmed edit only, with the new caption set.
TEST_F(ListViewTest, LabelEditingKeepsAConfirmedText) {
  list->AddItem("C:\\Video\\a.avi");
  std::vector<std::string> edited;
  list->OnItemEdited = [&](int index) { edited.push_back(list->Item(index).Caption()); };
  EditFirstItem(L"D:\\renamed.txt", VK_RETURN);
  EXPECT_EQ("D:\\renamed.txt", list->Item(0).Caption());
  EditFirstItem(L"D:\\dropped.avi", VK_ESCAPE);
  EXPECT_EQ("D:\\renamed.txt", list->Item(0).Caption());
  EXPECT_EQ(std::vector<std::string>{"D:\\renamed.txt"}, edited);
}

// Texts of a further column, of any characters, each with its item; the
// caption is not touched.
TEST_F(ListViewTest, SubItemTextsKeepEveryCharacter) {
  auto* twoColumns = new TListView(&form, {{2, 150, 406, 40}, {{"Files", 289}, {"Status", 110}}});
  std::vector<std::string> texts;
  for (const char* name : test_support::kUnicodeNames) {
    twoColumns->AddItem(name).SetSubItemText(1, std::string(name) + " status");
    texts.push_back(std::string(name) + " status");
  }
  twoColumns->Item(1).SetSubItemText(1, std::string(300, 'x'));
  texts[1] = std::string(300, 'x');
  for (int index = 0; index < twoColumns->ItemCount(); ++index) {
    EXPECT_EQ(texts[index], twoColumns->Item(index).SubItemText(1)) << index;
    EXPECT_EQ(test_support::kUnicodeNames[index], twoColumns->Item(index).Caption()) << index;
  }
}

// The mouse resting on a row shows that row's tip; moving to another row
// asks again for that one; a row without a text shows none.
TEST_F(ListViewTest, TipShowsTheTextOfTheItemUnderTheMouse) {
  for (const char* name : {"a.avi", "b.avi", "c.avi"}) {
    list->AddItem(name);
  }
  std::vector<int> asked;
  list->OnItemTip = [&](int index) {
    asked.push_back(index);
    return index == 2 ? std::string() : test_support::kUnicodeNames[index];
  };
  HWND tip = list->TipWindow();
  ASSERT_NE(nullptr, tip);
  SendMessageW(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 10);
  SendMessageW(tip, TTM_SETDELAYTIME, TTDT_RESHOW, 10);
  auto restOn = [&](int index) {
    RECT row{LVIR_BOUNDS};
    SendMessageW(list->Handle(), LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&row));
    POINT at{40, (row.top + row.bottom) / 2};
    POINT screen = at;
    ClientToScreen(list->Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    for (int move = 0; move < 2; ++move) {
      PostMessageW(list->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y + move));
    }
  };

  restOn(1);
  EXPECT_TRUE(test_support::PumpUntil([&] { return IsWindowVisible(tip); }));
  EXPECT_EQ(std::vector<int>{1}, asked);
  EXPECT_EQ(win::Utf8ToWide(test_support::kUnicodeNames[1]), test_support::WindowText(tip));
  restOn(0);
  EXPECT_TRUE(test_support::PumpUntil([&] { return asked.size() == 2; }));
  EXPECT_EQ((std::vector<int>{1, 0}), asked);
  restOn(2);
  test_support::PumpUntil([&] { return asked.size() == 3; });
  test_support::PumpUntil([] { return false; }, 200);
  EXPECT_FALSE(IsWindowVisible(tip));
}

TEST_F(ListViewTest, ReadOnlyListRefusesLabelEditing) {
  auto* readOnly =
      new TListView(&form, {{2, 150, 406, 40}, {{"Files", 399}}, true, true, false, true});
  readOnly->AddItem("a.avi");
  SetFocus(readOnly->Handle());
  EXPECT_EQ(0, SendMessageW(readOnly->Handle(), LVM_EDITLABELW, 0, 0));
  EXPECT_EQ(0, GetWindowLongW(readOnly->Handle(), GWL_STYLE) & LVS_EDITLABELS);
}

// The popup menu appears on a right click; the test picks its second entry
// with the keyboard once the menu is up.
TEST_F(ListViewTest, RightClickShowsThePopupMenu) {
  auto* popup = new TPopupMenu(&form);
  std::vector<std::string> clicked;
  auto* add = new TMenuItem(
      &popup->Items(), {"Add", "", nullptr, [&](base::TComponent*) { clicked.push_back("add"); }});
  auto* remove = new TMenuItem(&popup->Items(), {"Remove", "", nullptr, [&](base::TComponent*) {
                                                   clicked.push_back("remove");
                                                 }});
  (void)add;
  (void)remove;
  list->SetPopupMenu(popup);
  list->AddItem("a.avi");

  HMENU shown = nullptr;
  TWndMethod original = form.WindowProc();
  form.SetWindowProc([&, original](TMessage& message) {
    if (message.Msg == WM_INITMENUPOPUP) {
      shown = reinterpret_cast<HMENU>(message.WParam);
      HWND menuWindow = test_support::FindThreadWindow(L"#32768");
      PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
    }
    original(message);
  });
  POINT at{20, 30};
  PostMessageW(list->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageW(list->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  EXPECT_TRUE(test_support::PumpUntil([&] { return !clicked.empty(); }));
  form.SetWindowProc(original);

  EXPECT_EQ(popup->Handle(), shown);
  EXPECT_EQ(std::vector<std::string>{"remove"}, clicked);
}

TEST_F(ListViewTest, OwnerDrawnPopupMenuMeasuresAndDrawsItsItems) {
  auto* popup = new TPopupMenu(&form);
  std::vector<std::string> measured;
  std::vector<std::string> drawn;
  for (const char* caption : {"Add", "-", "Exit"}) {
    auto* item = new TMenuItem(&popup->Items(), {caption});
    item->OnMeasureItem = [&](TMenuItem& item, MEASUREITEMSTRUCT& measure) {
      measured.push_back(item.Caption());
      measure.itemWidth = 100;
      measure.itemHeight = item.IsSeparator() ? 5 : 21;
    };
    item->OnDrawItem = [&](TMenuItem& item, const DRAWITEMSTRUCT&) {
      drawn.push_back(item.Caption());
    };
  }
  popup->SetOwnerDraw(true);
  list->SetPopupMenu(popup);
  // Timers come after painting: by then the menu has been drawn.
  test_support::RepeatingTimer closer([] {
    if (!test_support::FindThreadWindow(L"#32768")) {
      return false;
    }
    EndMenu();
    return true;
  });
  SendMessageW(list->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list->Handle()),
               MAKELPARAM(-1, -1));

  EXPECT_EQ((std::vector<std::string>{"Add", "-", "Exit"}), measured);
  EXPECT_EQ((std::vector<std::string>{"Add", "-", "Exit"}), drawn);
}

}  // namespace
