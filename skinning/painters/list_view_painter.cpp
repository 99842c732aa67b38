#include "skinning/painters/list_view_painter.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/skin_keys.h"
#include "skinning/engine/skin_engine.h"
#include "skinning/frames/caption_text.h"
#include "skinning/pictures/header_layout.h"
#include "win/gdi.h"

namespace skinning {

namespace {

// Captions stop this far before a column's right edge.
constexpr int kCaptionEndInset = 2;

HeaderAlignment AlignmentOf(int format) {
  switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
      return HeaderAlignment::kRight;
    case HDF_CENTER:
      return HeaderAlignment::kCenter;
  }
  return HeaderAlignment::kLeft;
}

int MeasureText(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

TvxSkinListView::TvxSkinListView(TvxSkinWindow& window, ui::TControl& control)
    : TvxSkinScrollWinControl(window, control),
      header_(reinterpret_cast<HWND>(SendMessageW(control.Handle(), LVM_GETHEADER, 0, 0))) {
  if (header_) {
    headerLink_ = std::make_unique<SubclassLink>(
        header_, [this](ui::TMessage& message, const ui::TWndMethod& next) {
          HeaderMessage(message, next);
        });
  }
}

TvxSkinListView::~TvxSkinListView() = default;

void TvxSkinListView::HeaderMessage(ui::TMessage& message, const ui::TWndMethod& next) {
  if (!Skinning()) {
    next(message);
    return;
  }
  switch (message.Msg) {
    case WM_PAINT: {
      const win::PaintDC paint(header_);
      PaintHeader(paint.Get());
      message.Result = 0;
      return;
    }
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
  }
  next(message);
  if (message.Msg == HDM_SETITEMW || message.Msg == HDM_SETITEMA) {
    const win::ClientDC dc(header_);
    PaintHeader(dc.Get());
    ValidateRect(header_, nullptr);
  }
}

void TvxSkinListView::PaintHeader(HDC target) {
  RECT client{};
  GetClientRect(header_, &client);
  headerPicture_.Resize(client.right, client.bottom);
  image::Canvas& canvas = headerPicture_.Canvas();
  const skin::TvxSkinReader& reader = Reader();
  canvas.Fill({0, 0, client.right, client.bottom}, Engine().Metrics().formColor);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(header_, HDM_GETIMAGELIST, 0, 0));
  const int count = static_cast<int>(SendMessageW(header_, HDM_GETITEMCOUNT, 0, 0));
  std::vector<HeaderColumn> columns;
  for (int i = 0; i < count; ++i) {
    RECT item{};
    SendMessageW(header_, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
    columns.push_back({item.left, item.right});
    DrawColumn(i, item, images);
  }
  GdiFlush();
  const image::ColorRef line = reader.Color(skin::kColorControlBorder);
  for (int x : HeaderLineColumns(columns)) {
    canvas.Fill({x, 0, x + 1, client.bottom}, line);
  }
  canvas.Fill({0, client.bottom - 1, client.right, client.bottom}, line);
  if (target) {
    headerPicture_.CopyTo(target, 0, 0);
  }
}

void TvxSkinListView::DrawColumn(int index, const RECT& item, HIMAGELIST images) {
  wchar_t text[260] = {};
  HDITEMW column{};
  column.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  column.pszText = text;
  column.cchTextMax = 260;
  SendMessageW(header_, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&column));
  HDC dc = headerPicture_.Dc();
  win::SelectedObject font(dc, Engine().MenuFont());
  int imageWidth = 0;
  int imageHeight = 0;
  const bool hasImage = images && (column.fmt & HDF_IMAGE) && column.iImage >= 0 &&
                        column.iImage < ImageList_GetImageCount(images);
  if (hasImage) {
    ImageList_GetIconSize(images, &imageWidth, &imageHeight);
  }
  HeaderColumn layout{item.left, item.right, AlignmentOf(column.fmt), imageWidth, 0};
  std::wstring caption = text;
  layout.textWidth = MeasureText(dc, caption);
  const int x = item.left + HeaderContentX(layout);
  const int textX = hasImage ? x + imageWidth + kHeaderImageGap : x;
  caption = ShortenCaption(caption, item.right - kCaptionEndInset - textX,
                           [dc](const std::wstring& t) { return MeasureText(dc, t); });
  if (hasImage) {
    ImageList_Draw(images, column.iImage, dc, x, (item.top + item.bottom - imageHeight) / 2,
                   ILD_TRANSPARENT);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, SkinColor(skin::kColorControlFont, GetSysColor(COLOR_BTNTEXT)));
  RECT textRect{textX, item.top, item.right - kCaptionEndInset, item.bottom};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace skinning
