#include "skinning/menus/menu_layout.h"

#include <algorithm>

namespace skinning {

namespace {

constexpr int kSeparatorHeight = 5;
constexpr int kMinItemHeight = 21;
// The 26-pixel column, the caption's 30-pixel start and the margins.
constexpr int kItemExtraWidth = 66;

}  // namespace

MenuCaption SplitMenuCaption(const std::wstring& caption) {
  const size_t tab = caption.find(L'\t');
  if (tab == std::wstring::npos) {
    return {caption, L""};
  }
  return {caption.substr(0, tab), caption.substr(tab + 1)};
}

wchar_t MenuMnemonic(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') {
      continue;
    }
    const wchar_t next = caption[i + 1];
    if (next == L'&') {
      ++i;
      continue;
    }
    return next >= L'a' && next <= L'z' ? static_cast<wchar_t>(next - L'a' + L'A') : next;
  }
  return 0;
}

MenuItemSize MeasureMenuItem(bool separator, int textHeight, int captionWidth, int shortcutWidth) {
  if (separator) {
    return {kItemExtraWidth, kSeparatorHeight};
  }
  return {captionWidth + shortcutWidth + kItemExtraWidth, std::max(textHeight, kMinItemHeight)};
}

MenuBarLayout LayoutMenuBar(const std::vector<int>& buttonWidths, int barWidth, int buttonHeight) {
  MenuBarLayout layout;
  int x = 0;
  int y = 0;
  for (int width : buttonWidths) {
    if (x > 0 && x + width > barWidth) {
      x = 0;
      y += buttonHeight;
    }
    layout.buttons.push_back(image::RectAt(x, y, width, buttonHeight));
    x += width;
  }
  layout.height = buttonWidths.empty() ? 0 : y + buttonHeight;
  return layout;
}

}  // namespace skinning
