#include "skinning/painters/tab_control_painter.h"

#include <commctrl.h>

#include "skin/skin_keys.h"
#include "skinning/engine/skin_engine.h"
#include "skinning/pictures/canvas_shapes.h"
#include "skinning/pictures/tab_picture.h"
#include "win/gdi.h"

namespace skinning {

namespace {

// The system's page border, which the skin's frame stands for.
constexpr int kPageBorder = 2;

TabSide SideOf(LONG style) {
  if (style & TCS_VERTICAL) {
    return (style & TCS_RIGHT) ? TabSide::kRight : TabSide::kLeft;
  }
  return (style & TCS_BOTTOM) ? TabSide::kBottom : TabSide::kTop;
}

// The line along the page's edge that faces the tabs.
image::Rect LineAlong(const RECT& page, TabSide side, const image::Bitmap& line) {
  switch (side) {
    case TabSide::kBottom:
      return {page.left, page.bottom - line.Height(), page.right, page.bottom};
    case TabSide::kLeft:
      return {page.left, page.top, page.left + line.Width(), page.bottom};
    case TabSide::kRight:
      return {page.right - line.Width(), page.top, page.right, page.bottom};
    case TabSide::kTop:
      break;
  }
  return {page.left, page.top, page.right, page.top + line.Height()};
}

}  // namespace

template <class Base>
bool TvxSkinTabControlOf<Base>::BeforeMessage(ui::TMessage& message) {
  return !this->TakePaintMessages(message);
}

template <class Base>
void TvxSkinTabControlOf<Base>::Paint() {
  DibBuffer& picture = this->StartPicture();
  image::Canvas& canvas = picture.Canvas();
  const skin::TvxSkinReader& reader = this->Reader();
  const skin::TvxSkinTabRes& tabs = this->Engine().Tabs();
  HWND control = this->GetHandle();
  const TabSide side = SideOf(GetWindowLongW(control, GWL_STYLE));
  canvas.Fill({0, 0, picture.Width(), picture.Height()}, this->Engine().Metrics().formColor);

  RECT page{0, 0, picture.Width(), picture.Height()};
  SendMessageW(control, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  InflateRect(&page, kPageBorder, kPageBorder);
  canvas.Fill({page.left, page.top, page.right, page.bottom}, reader.Color(skin::kColorTabControl));
  OutlineRect(canvas, {page.left, page.top, page.right, page.bottom},
              reader.Color(skin::kColorTabControlBorder));
  DrawTabLine(tabs, canvas, LineAlong(page, side, tabs.Line(TurnFor(side))), side);

  const int count = static_cast<int>(SendMessageW(control, TCM_GETITEMCOUNT, 0, 0));
  const int selected = static_cast<int>(SendMessageW(control, TCM_GETCURSEL, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT tab{};
    SendMessageW(control, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
    DrawTab(reader, tabs, canvas, {tab.left, tab.top, tab.right, tab.bottom}, side, i == selected);
  }
  HDC dc = picture.Dc();
  win::SelectedObject font(dc, this->ControlFont());
  SetBkMode(dc, TRANSPARENT);
  for (int i = 0; i < count; ++i) {
    wchar_t text[260] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 260;
    SendMessageW(control, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    RECT tab{};
    SendMessageW(control, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tab));
    SetTextColor(dc, this->SkinColor(i == selected ? skin::kColorTabControlActiveFont
                                                   : skin::kColorTabControlInactiveFont,
                                     GetSysColor(COLOR_BTNTEXT)));
    DrawTextW(dc, text, -1, &tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  GdiFlush();
  this->ShowPicture();
}

template class TvxSkinTabControlOf<TvxSkinControlVCL>;
template class TvxSkinTabControlOf<TvxSkinControlWnd>;

}  // namespace skinning
