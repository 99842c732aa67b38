#include "ui/graphics.h"

#include "win/code_page.h"

namespace ui {

COLORREF ColorToRGB(TColor color) {
  if ((color >> 24) == 0xFF) {
    return GetSysColor(static_cast<int>(color & 0xFF));
  }
  return color & 0xFFFFFF;
}

namespace {

constexpr int kDesignDpi = 96;

}  // namespace

int ScreenDpi() {
  static const int dpi = [] {
    const win::ClientDC screen(nullptr);
    const int measured = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return measured > 0 ? measured : kDesignDpi;
  }();
  return dpi;
}

int ToScreenPixels(int designPixels) {
  return MulDiv(designPixels, ScreenDpi(), kDesignDpi);
}

int ToDesignPixels(int screenPixels) {
  return MulDiv(screenPixels, kDesignDpi, ScreenDpi());
}

TFont::TFont(const TFont& other)
    : name_(other.name_), size_(other.size_), bold_(other.bold_), color_(other.color_) {}

// Copies the description only: the handle is made anew and the change
// handler stays with the control that owns this font.
TFont& TFont::operator=(const TFont& other) {
  name_ = other.name_;
  size_ = other.size_;
  bold_ = other.bold_;
  color_ = other.color_;
  Changed();
  return *this;
}

void TFont::SetName(std::string name) {
  name_ = std::move(name);
  Changed();
}

void TFont::SetSize(int size) {
  size_ = size;
  Changed();
}

void TFont::SetBold(bool bold) {
  bold_ = bold;
  Changed();
}

void TFont::SetColor(TColor color) {
  color_ = color;
  Changed();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW description{};
    description.lfHeight = -MulDiv(size_, ScreenDpi(), 72);
    description.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = win::Utf8ToWide(name_);
    lstrcpynW(description.lfFaceName, face.c_str(), LF_FACESIZE);
    handle_.Reset(CreateFontIndirectW(&description));
  }
  return handle_.Get();
}

void TFont::Changed() {
  handle_.Reset();
  if (onChange_) {
    onChange_();
  }
}

}  // namespace ui
