#include <gtest/gtest.h>

#include "skinning/menus/menu_layout.h"

namespace skinning {
namespace {

TEST(MenuLayoutTest, ItemSizes) {
  struct Case {
    bool separator;
    int textHeight;
    int captionWidth;
    int shortcutWidth;
    int width;
    int height;
  };
  const Case cases[] = {
      {true, 13, 0, 0, 66, 5},
      {false, 13, 40, 0, 106, 21},   // a short text: 21 high
      {false, 25, 40, 30, 136, 25},  // a tall font: its own height
  };
  for (const Case& c : cases) {
    const MenuItemSize size =
        MeasureMenuItem(c.separator, c.textHeight, c.captionWidth, c.shortcutWidth);
    EXPECT_EQ(c.width, size.width);
    EXPECT_EQ(c.height, size.height);
  }
}

TEST(MenuLayoutTest, CaptionsSplitAtTheTabAndKeysAfterASingleAmpersand) {
  EXPECT_EQ(L"&Open", SplitMenuCaption(L"&Open\tCtrl+O").text);
  EXPECT_EQ(L"Ctrl+O", SplitMenuCaption(L"&Open\tCtrl+O").shortcut);
  EXPECT_EQ(L"", SplitMenuCaption(L"Open").shortcut);

  struct Case {
    const wchar_t* caption;
    wchar_t key;
  };
  const Case cases[] = {
      {L"&File", L'F'},    {L"e&xit", L'X'}, {L"文件(&F)", L'F'}, {L"Save && go", 0},
      {L"&&&Tools", L'T'}, {L"Plain", 0},    {L"Trailing&", 0},   {L"&1 Skin", L'1'},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.key, MenuMnemonic(c.caption)) << static_cast<int>(c.key);
  }
}

TEST(MenuLayoutTest, BarButtonsWrapWhenTheBarIsTooNarrow) {
  const MenuBarLayout wide = LayoutMenuBar({40, 50, 60}, 400, 20);
  ASSERT_EQ(3u, wide.buttons.size());
  EXPECT_EQ(90, wide.buttons[2].left);
  EXPECT_EQ(0, wide.buttons[2].top);
  EXPECT_EQ(20, wide.height);

  const MenuBarLayout narrow = LayoutMenuBar({40, 50, 60}, 100, 20);
  EXPECT_EQ(40, narrow.buttons[1].left);
  EXPECT_EQ(0, narrow.buttons[2].left);  // 150 would pass 100
  EXPECT_EQ(20, narrow.buttons[2].top);
  EXPECT_EQ(40, narrow.height);

  // A button wider than the bar still gets a row of its own.
  const MenuBarLayout tooWide = LayoutMenuBar({140, 30}, 100, 20);
  EXPECT_EQ(0, tooWide.buttons[0].left);
  EXPECT_EQ(20, tooWide.buttons[1].top);

  EXPECT_EQ(0, LayoutMenuBar({}, 100, 20).height);
}

}  // namespace
}  // namespace skinning
