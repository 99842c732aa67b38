#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <vector>

#include "skinning/engine/window_messages.h"
#include "skinning/frames/skin_window_form.h"
#include "skinning/menus/skin_menu_bar.h"
#include "skinning/painters/dib_buffer.h"
#include "tests/skinning/skinned_form_fixture.h"
#include "tests/support/window_driver.h"

namespace skinning_test {
namespace {

// Runs `look` once a menu of the thread is open, then closes the menus.
class WhileMenuIsOpen {
 public:
  explicit WhileMenuIsOpen(std::function<void()> look)
      : timer_([look] {
          if (!test_support::FindThreadWindow(L"#32768")) {
            return false;
          }
          look();
          EndMenu();
          return true;
        }) {}

 private:
  test_support::RepeatingTimer timer_;
};

class MenuTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    LoadTestSkin("plain.ssk");
  }
  skinning::TvxSkinMenuBar& Bar() {
    return *static_cast<skinning::TvxSkinWindowVCL&>(Skinned()).MenuBar();
  }
  POINT BarButtonCentre(int index) {
    const image::Rect& r = Bar().ButtonRect(index);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
};

std::vector<int> ItemHeights(HMENU menu) {
  std::vector<int> heights;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    RECT item{};
    GetMenuItemRect(nullptr, menu, i, &item);
    heights.push_back(item.bottom - item.top);
  }
  return heights;
}

TEST_F(MenuTest, SeparatorsAreFiveHighAndOtherItemsAtLeast21) {
  std::vector<int> heights;
  {
    WhileMenuIsOpen look([&] { heights = ItemHeights(form->popupMenu->Handle()); });
    form->popupMenu->Popup(200, 200, form->Handle());
  }
  ASSERT_EQ(3u, heights.size());
  EXPECT_GE(heights[0], 21);
  EXPECT_EQ(5, heights[1]);
  EXPECT_GE(heights[2], 21);
}

TEST_F(MenuTest, ItemsAreDrawnInTheSkinsMenuColours) {
  skinning::DibBuffer picture;
  picture.Resize(140, 21);
  auto draw = [&](ui::TMenuItem& item, UINT state, int height = 21) {
    picture.Canvas().Fill({0, 0, 140, 21}, 0);
    DRAWITEMSTRUCT drawItem{};
    drawItem.CtlType = ODT_MENU;
    drawItem.itemState = state;
    drawItem.hDC = picture.Dc();
    drawItem.rcItem = {0, 0, 140, height};
    drawItem.itemData = reinterpret_cast<ULONG_PTR>(&item);
    item.DrawItem(drawItem);
  };
  ui::TMenuItem& open = *form->openItem;
  ui::TMenuItem& separator = *form->fileMenu->Item(1);

  draw(open, 0);
  EXPECT_EQ(MenuColor(skin::kColorLeftBarStart), picture.Pixel(3, 3));
  EXPECT_EQ(MenuColor(skin::kColorMenuItem), picture.Pixel(27, 1));
  EXPECT_EQ(MenuColor(skin::kColorMenuItem), picture.Pixel(138, 19));

  draw(open, ODS_SELECTED);
  EXPECT_EQ(MenuColor(skin::kColorSelectedMenuBorder), picture.Pixel(0, 0));
  EXPECT_EQ(MenuColor(skin::kColorSelectedMenuBorder), picture.Pixel(139, 20));
  EXPECT_EQ(MenuColor(skin::kColorSelectedMenu), picture.Pixel(3, 3));

  // Disabled items are never highlighted.
  draw(open, ODS_SELECTED | ODS_GRAYED);
  EXPECT_EQ(MenuColor(skin::kColorLeftBarStart), picture.Pixel(3, 3));

  draw(open, ODS_CHECKED);
  EXPECT_EQ(kCheckMarkColor, picture.Pixel(4, 3));
  EXPECT_EQ(kCheckMarkColor, picture.Pixel(15, 14));

  draw(separator, 0, 5);
  EXPECT_EQ(0x848284u, picture.Pixel(30, 2));
  EXPECT_EQ(0x848284u, picture.Pixel(137, 2));
  EXPECT_EQ(MenuColor(skin::kColorMenuItem), picture.Pixel(138, 2));
  EXPECT_EQ(MenuColor(skin::kColorMenuItem), picture.Pixel(30, 3));
  EXPECT_EQ(MenuColor(skin::kColorLeftBarStart), picture.Pixel(3, 2));
}

TEST_F(MenuTest, MenuBarShowsTheMainMenusEntriesInTheSkinsColours) {
  ASSERT_EQ(2, Bar().ButtonCount());
  EXPECT_EQ(Bar().BarHeight(), SendMessageW(form->Handle(), skinning::kMsgMenuBarHeight, 0, 0));
  RedrawWindow(Bar().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const image::Rect& file = Bar().ButtonRect(0);
  EXPECT_EQ(MenuColor(skin::kColorMenuBarStart),
            Bar().Picture().Pixel(file.left + 1, file.top + 1));
  // The etched line under the bar, since its colour is not the form's.
  const int bottom = Bar().Picture().Height();
  EXPECT_EQ(0x808080u, Bar().Picture().Pixel(5, bottom - 2));
  EXPECT_EQ(0xFFFFFFu, Bar().Picture().Pixel(5, bottom - 1));

  // The mouse over a button lights it.
  const POINT over = BarButtonCentre(1);
  SendMessageW(Bar().Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y));
  RedrawWindow(Bar().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const image::Rect& skin = Bar().ButtonRect(1);
  EXPECT_EQ(1, Bar().Highlighted());
  EXPECT_EQ(MenuColor(skin::kColorTopSelectedMenuBorder),
            Bar().Picture().Pixel(skin.left, skin.top));
  EXPECT_EQ(MenuColor(skin::kColorTopSelectedMenu),
            Bar().Picture().Pixel(skin.left + 2, skin.top + 2));
}

TEST_F(MenuTest, AClickOnABarButtonDropsItsItemsAndAChoiceClicksTheItem) {
  int highlighted = -1;
  {
    // Down to the first item and choose it.
    test_support::RepeatingTimer choose([&] {
      HWND menu = test_support::FindThreadWindow(L"#32768");
      if (!menu) {
        return false;
      }
      highlighted = Bar().Highlighted();
      PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
      return true;
    });
    const POINT at = BarButtonCentre(1);
    SendMessageW(Bar().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  }
  EXPECT_EQ(1, highlighted);
  Pump(50);
  EXPECT_EQ(std::vector<std::string>{"skin1"}, form->chosen);
}

TEST_F(MenuTest, AltWithAnEntrysKeyDropsItAndAltAloneWorksTheBarFromTheKeyboard) {
  int dropped = -1;
  {
    WhileMenuIsOpen look([&] { dropped = Bar().Highlighted(); });
    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 's');
  }
  EXPECT_EQ(1, dropped);
  EXPECT_EQ(-1, Bar().Highlighted());

  // A key without Alt does nothing to the bar...
  SendMessageW(Bar().Handle(), WM_CHAR, 'f', 0);
  EXPECT_EQ(-1, Bar().Highlighted());

  // ...until Alt alone highlights the first entry.
  HWND focus = GetFocus();
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  EXPECT_EQ(0, Bar().Highlighted());
  EXPECT_EQ(Bar().Handle(), GetFocus());
  SendMessageW(Bar().Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(1, Bar().Highlighted());
  SendMessageW(Bar().Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(0, Bar().Highlighted());
  {
    WhileMenuIsOpen look([&] { dropped = Bar().Highlighted(); });
    SendMessageW(Bar().Handle(), WM_CHAR, 's', 0);
  }
  EXPECT_EQ(1, dropped);
  EXPECT_EQ(-1, Bar().Highlighted());
  EXPECT_EQ(focus, GetFocus());

  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  SendMessageW(Bar().Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(-1, Bar().Highlighted());
  EXPECT_EQ(focus, GetFocus());
}

TEST_F(MenuTest, AltWithAKeyTypedOnAControlReachesTheBarThroughTheMessageLoop) {
  SetFocus(form->button->Handle());
  int dropped = -1;
  {
    WhileMenuIsOpen look([&] { dropped = Bar().Highlighted(); });
    // As the keyboard sends it: the character with Alt held down.
    PostMessageW(form->button->Handle(), WM_SYSCHAR, 's', 0x20000001);
    test_support::PumpUntil([&] { return dropped >= 0; });
  }
  EXPECT_EQ(1, dropped);
}

TEST_F(MenuTest, LeftAndRightMoveFromOneDroppedMenuToTheNext) {
  std::vector<int> seen;
  {
    test_support::RepeatingTimer walk([&] {
      HWND menu = test_support::FindThreadWindow(L"#32768");
      if (!menu || (!seen.empty() && seen.back() == Bar().Highlighted())) {
        return false;
      }
      seen.push_back(Bar().Highlighted());
      if (seen.size() == 3) {
        EndMenu();
        return true;
      }
      // Right from an item that opens no menu, then Left from the top.
      PostMessageW(menu, WM_KEYDOWN, seen.size() == 1 ? VK_RIGHT : VK_LEFT, 0);
      return false;
    });
    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
  }
  EXPECT_EQ((std::vector<int>{0, 1, 0}), seen);
}

TEST_F(MenuTest, ItemsAddedOrRenamedLaterShowOnTheBarAndAreOwnerDrawn) {
  auto* tools = new ui::TMenuItem(&form->mainMenu->Items(), {"&Tools"});
  auto* item = new ui::TMenuItem(tools, {"&Options"});
  EXPECT_EQ(3, Bar().ButtonCount());
  EXPECT_TRUE(item->OnDrawItem);
  EXPECT_TRUE(item->OnMeasureItem);
  const int width = Bar().ButtonRect(0).Width();
  form->fileMenu->SetCaption("&File and more");
  EXPECT_GT(Bar().ButtonRect(0).Width(), width);
}

TEST_F(MenuTest, SystemMenuOffersWhatTheTitleBarShows) {
  TestFormOptions options;
  options.borderIcons = {true, true, false};
  RemakeForm(options);
  LoadTestSkin("plain.ssk");
  std::vector<bool> enabled;
  {
    WhileMenuIsOpen look([&] {
      for (int i = 0; i < 4; ++i) {
        enabled.push_back(Engine().SystemMenu().Items().Item(i)->Enabled());
      }
    });
    // Alt and the space bar.
    SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  }
  EXPECT_EQ((std::vector<bool>{true, false, true, true}), enabled);
}

}  // namespace
}  // namespace skinning_test
