#pragma once

#include <string>
#include <vector>

#include "image/rect.h"

namespace skinning {

// A menu caption as the menus show it: the text, and after a tab the
// shortcut shown at the item's right end.
struct MenuCaption {
  std::wstring text;
  std::wstring shortcut;
};
MenuCaption SplitMenuCaption(const std::wstring& caption);

// The key that opens an item: the character after a single "&", upper-cased
// for ASCII letters; 0 when there is none ("&&" shows one "&").
wchar_t MenuMnemonic(const std::wstring& caption);

// The size of a skinned menu item: separators are 5 high; other items at
// least 21, and as wide as their caption and shortcut with room for the
// column at the left and the margins.
struct MenuItemSize {
  int width;
  int height;
};
MenuItemSize MeasureMenuItem(bool separator, int textHeight, int captionWidth, int shortcutWidth);

// The buttons of a skinned menu bar laid out left to right, wrapping to a
// new row where the next button would pass the bar's width; every button is
// `buttonHeight` high. The bar's height is that of its rows.
struct MenuBarLayout {
  std::vector<image::Rect> buttons;
  int height = 0;
};
MenuBarLayout LayoutMenuBar(const std::vector<int>& buttonWidths, int barWidth, int buttonHeight);

}  // namespace skinning
