#include "skinning/painters/text_painters.h"

#include <string>

#include "skin/skin_keys.h"
#include "skin/skin_reader.h"
#include "skinning/pictures/canvas_shapes.h"
#include "win/code_page.h"
#include "win/gdi.h"

namespace skinning {

namespace {

constexpr int kCaptionIndent = 8;

}  // namespace

int TvxSkinLabel::SkinFontColor() const {
  return skin::kColorControlFont;
}

int TvxSkinGroupBox::SkinFontColor() const {
  return skin::kColorControlFont;
}

bool TvxSkinGroupBox::BeforeMessage(ui::TMessage& message) {
  return !TakePaintMessages(message);
}

void TvxSkinGroupBox::Paint() {
  DibBuffer& picture = StartPicture();
  const image::ColorRef background = ControlColor();
  HDC dc = picture.Dc();
  win::SelectedObject font(dc, ControlFont());
  SIZE zero{};
  GetTextExtentPoint32W(dc, L"0", 1, &zero);
  picture.Canvas().Fill({0, 0, picture.Width(), picture.Height()}, background);
  OutlineRect(picture.Canvas(), {0, zero.cy / 2, picture.Width(), picture.Height()},
              Reader().Color(skin::kColorControlBorder));
  const std::wstring caption = win::Utf8ToWide(Control().Caption());
  if (!caption.empty()) {
    RECT text{0, 0, 0, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_CALCRECT);
    const bool rightToLeft = (GetWindowLongW(GetHandle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    OffsetRect(&text, rightToLeft ? picture.Width() - kCaptionIndent - text.right : kCaptionIndent,
               0);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, background);
    SetTextColor(dc, SkinColor(skin::kColorControlFont, GetSysColor(COLOR_WINDOWTEXT)));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE);
  }
  GdiFlush();
  ShowPicture();
}

}  // namespace skinning
