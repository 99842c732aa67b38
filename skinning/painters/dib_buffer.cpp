#include "skinning/painters/dib_buffer.h"

#include <algorithm>

#include "ui/graphics.h"
#include "win/os_error.h"

namespace skinning {

namespace {

unsigned long transfers = 0;

}  // namespace

DibBuffer::DibBuffer() : dc_(nullptr) {
  uint32_t none = 0;
  canvas_.emplace(&none, 0, 0);
}

void DibBuffer::Resize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == width_ && height == height_) {
    return;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win::UniqueBitmap bitmap(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) {
    win::RaiseLastOSError();
  }
  if (selection_) {
    SelectObject(dc_.Get(), bitmap.Get());
  } else {
    selection_.emplace(dc_.Get(), bitmap.Get());
  }
  bitmap_ = std::move(bitmap);
  pixels_ = static_cast<uint32_t*>(bits);
  width_ = width;
  height_ = height;
  canvas_.emplace(pixels_, width_, height_);
}

image::ColorRef DibBuffer::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    return image::kInvalidColor;
  }
  GdiFlush();
  return image::ColorFromPixel(pixels_[static_cast<size_t>(y) * width_ + x] & 0xFFFFFF);
}

void DibBuffer::CopyTo(HDC target, int x, int y) const {
  GdiFlush();
  BitBlt(target, x, y, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
  ++transfers;
}

unsigned long DibBuffer::Transfers() {
  return transfers;
}

win::UniqueBrush SolidBrush(image::ColorRef color) {
  return win::UniqueBrush(CreateSolidBrush(ui::ColorToRGB(color)));
}

// Colour numbers with 0xFF in the high byte name a system colour.
COLORREF ScreenColor(image::ColorRef color, COLORREF fallback) {
  constexpr image::ColorRef kMissingColor = 0xFFFFFFFF;
  if (image::IsPlainColor(color)) {
    return color;
  }
  if (color != kMissingColor && (color >> 24) == 0xFF && (color & 0xFFFFFF) <= COLOR_MENUBAR) {
    return GetSysColor(static_cast<int>(color & 0xFF));
  }
  return fallback;
}

}  // namespace skinning
