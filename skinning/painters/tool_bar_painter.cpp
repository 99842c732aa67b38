#include "skinning/painters/tool_bar_painter.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/skin_keys.h"
#include "skinning/engine/skin_engine.h"
#include "skinning/pictures/tool_button_picture.h"
#include "win/gdi.h"

namespace skinning {

namespace {

constexpr COLORREF kGrayText = 0x808080;

struct ToolButton {
  TBBUTTON button;
  RECT rect;
};

std::vector<ToolButton> ButtonsOf(HWND bar) {
  std::vector<ToolButton> buttons;
  const int count = static_cast<int>(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    ToolButton entry{};
    SendMessageW(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&entry.button));
    SendMessageW(bar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&entry.rect));
    if (!(entry.button.fsState & TBSTATE_HIDDEN)) {
      buttons.push_back(entry);
    }
  }
  return buttons;
}

bool IsSeparator(const TBBUTTON& button) {
  return (button.fsStyle & BTNS_SEP) != 0;
}

// A button's text, however long: a tool bar of someone else's dialog may
// hold any caption.
std::wstring ButtonText(HWND bar, int command) {
  const LRESULT length = SendMessageW(bar, TB_GETBUTTONTEXTW, command, 0);
  if (length <= 0) {
    return {};
  }
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(bar, TB_GETBUTTONTEXTW, command, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 && copied <= length ? static_cast<size_t>(copied) : 0);
  return text;
}

}  // namespace

template <class Base>
bool TvxSkinToolBarOf<Base>::BeforeMessage(ui::TMessage& message) {
  return !this->TakePaintMessages(message);
}

template <class Base>
void TvxSkinToolBarOf<Base>::Paint() {
  HWND bar = this->GetHandle();
  DibBuffer& picture = this->StartPicture();
  image::Canvas& canvas = picture.Canvas();
  const skin::TvxSkinReader& reader = this->Reader();
  DrawToolBarBackground(reader, canvas, {0, 0, picture.Width(), picture.Height()});
  const std::vector<ToolButton> buttons = ButtonsOf(bar);
  const int hot = static_cast<int>(SendMessageW(bar, TB_GETHOTITEM, 0, 0));
  for (size_t i = 0; i < buttons.size(); ++i) {
    const TBBUTTON& button = buttons[i].button;
    const RECT& r = buttons[i].rect;
    if (IsSeparator(button)) {
      const int x = (r.left + r.right) / 2;
      canvas.Fill({x, r.top + 2, x + 1, r.bottom - 2}, reader.Color(skin::kColorToolBarBorder));
      continue;
    }
    FlatButtonState state;
    state.hot = SendMessageW(bar, TB_COMMANDTOINDEX, button.idCommand, 0) == hot;
    state.pressed = (button.fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED)) != 0;
    state.enabled = (button.fsState & TBSTATE_ENABLED) != 0;
    DrawToolButtonFace(reader, canvas, {r.left, r.top, r.right, r.bottom}, state);
  }

  HDC dc = picture.Dc();
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(bar, TB_GETIMAGELIST, 0, 0));
  auto grayed = reinterpret_cast<HIMAGELIST>(SendMessageW(bar, TB_GETDISABLEDIMAGELIST, 0, 0));
  int imageWidth = 0;
  int imageHeight = 0;
  if (images) {
    ImageList_GetIconSize(images, &imageWidth, &imageHeight);
  }
  const bool list = (GetWindowLongW(bar, GWL_STYLE) & TBSTYLE_LIST) != 0;
  win::SelectedObject font(dc, this->ControlFont());
  SetBkMode(dc, TRANSPARENT);
  for (const ToolButton& entry : buttons) {
    const TBBUTTON& button = entry.button;
    if (IsSeparator(button)) {
      continue;
    }
    const bool enabled = (button.fsState & TBSTATE_ENABLED) != 0;
    const bool pressed = (button.fsState & (TBSTATE_PRESSED | TBSTATE_CHECKED)) != 0;
    const int shift = pressed ? 1 : 0;
    RECT r = entry.rect;
    OffsetRect(&r, shift, shift);
    HIMAGELIST shown = !enabled && grayed ? grayed : images;
    const int image = LOWORD(button.iBitmap);
    const std::wstring text = ButtonText(bar, button.idCommand);
    const bool hasText = !text.empty();
    if (shown && button.iBitmap >= 0 && image < ImageList_GetImageCount(shown)) {
      const int x = list && hasText ? r.left + 3 : (r.left + r.right - imageWidth) / 2;
      const int y = list || !hasText ? (r.top + r.bottom - imageHeight) / 2 : r.top + 3;
      ImageList_Draw(shown, image, dc, x, y, ILD_TRANSPARENT);
      if (list) {
        r.left = x + imageWidth + 3;
      } else {
        r.top = y + imageHeight;
      }
    }
    if (hasText) {
      SetTextColor(dc, enabled ? this->Engine().TextColor() : kGrayText);
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                DT_SINGLELINE | DT_VCENTER | (list ? DT_LEFT : DT_CENTER));
    }
  }
  GdiFlush();
  this->ShowPicture();
}

template class TvxSkinToolBarOf<TvxSkinControlVCL>;
template class TvxSkinToolBarOf<TvxSkinControlWnd>;

}  // namespace skinning
