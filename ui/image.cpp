#include "ui/image.h"

#include "win/gdi.h"

namespace ui {

TImage::TImage(TControl* parent, const TBounds& bounds)
    : TControl(parent, TWindowClass{L"STATIC", SS_LEFT}, bounds, "") {}

void TImage::SetPicture(win::UniqueBitmap picture) {
  picture_ = std::move(picture);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TImage::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;  // painted whole in WM_PAINT
      return;
    case WM_PAINT:
      Paint();
      return;
  }
  TControl::WndProc(message);
}

void TImage::Paint() {
  const win::PaintDC paint(Handle());
  const HDC dc = paint.Get();
  RECT client{};
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, ColorBrush());
  if (picture_) {
    BITMAP info{};
    GetObjectW(picture_.Get(), sizeof info, &info);
    win::MemoryDC source(dc);
    win::SelectedObject selected(source.Get(), picture_.Get());
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
  }
}

}  // namespace ui
