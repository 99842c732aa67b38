// Painting and shaping a skinned window's frame.
#include <algorithm>

#include "ui/graphics.h"
#include "skinning/engine/skin_engine.h"
#include "skinning/frames/caption_text.h"
#include "skinning/frames/skin_window.h"
#include "win/gdi.h"
#include "win/unique.h"
#include "win/window_text.h"

namespace skinning {

namespace {

constexpr int kIconSize = 16;

int MeasureWidth(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

win::UniqueRegion RegionOf(const std::vector<image::Rect>& rects) {
  std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rects.size());
  header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  RECT bounds{0, 0, 0, 0};
  auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (size_t i = 0; i < rects.size(); ++i) {
    out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    UnionRect(&bounds, &bounds, &out[i]);
  }
  header->rcBound = bounds;
  return win::UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                           reinterpret_cast<RGNDATA*>(data.data())));
}

bool SameRects(const std::vector<image::Rect>& a, const std::vector<image::Rect>& b) {
  return std::equal(
      a.begin(), a.end(), b.begin(), b.end(), [](const image::Rect& x, const image::Rect& y) {
        return x.left == y.left && x.top == y.top && x.right == y.right && x.bottom == y.bottom;
      });
}

}  // namespace

FrameGeometry TvxSkinWindow::Geometry() const {
  RECT window{};
  GetWindowRect(handle_, &window);
  FrameGeometry geometry;
  geometry.width = window.right - window.left;
  geometry.height = window.bottom - window.top;
  geometry.titleRows = TitleRows();
  geometry.minimized = IsIconic(handle_) != FALSE;
  geometry.menuBarTop = geometry.titleRows;
  geometry.menuBarHeight = MenuBarHeight();
  return geometry;
}

TitleBarState TvxSkinWindow::TitleState(int width) const {
  TitleBarState state;
  state.width = width;
  state.buttons = Buttons();
  state.showsIcon = ShowsIcon();
  state.minimized = IsIconic(handle_) != FALSE;
  state.restorable = IsZoomed(handle_) || IsIconic(handle_);
  state.hover = hover_;
  state.pressed = pressed_;
  return state;
}

TitleBarLayout TvxSkinWindow::TitleLayout() const {
  RECT window{};
  GetWindowRect(handle_, &window);
  return LayoutTitleBar(engine_.Metrics(), TitleState(window.right - window.left));
}

// The caption as it fits between the icon and the buttons, and its width.
std::wstring TvxSkinWindow::CaptionText(const TitleBarLayout& layout, int& width) const {
  HDC dc = frame_.Dc();
  win::SelectedObject font(dc, engine_.CaptionFont());
  const std::wstring caption =
      ShortenCaption(win::WindowTextOf(handle_), layout.captionRoom,
                     [dc](const std::wstring& text) { return MeasureWidth(dc, text); });
  width = MeasureWidth(dc, caption);
  return caption;
}

TvxSkinWindow::ComposedFrame TvxSkinWindow::ComposeFrame() {
  ComposedFrame composed;
  composed.geometry = Geometry();
  composed.layout = LayoutTitleBar(engine_.Metrics(), TitleState(composed.geometry.width));
  frame_.Resize(composed.geometry.width, composed.geometry.height);
  int captionWidth = 0;
  composed.caption = CaptionText(composed.layout, captionWidth);
  GdiFlush();
  const FramePicture picture(engine_.Reader(), engine_.Metrics());
  picture.DrawTitleBar(frame_.Canvas(), composed.geometry, composed.layout,
                       composed.layout.captionLeft + captionWidth);
  picture.DrawBorders(frame_.Canvas(), composed.geometry);
  return composed;
}

void TvxSkinWindow::PaintFrame() {
  if (!frameOn_ || !WindowExists()) {
    return;
  }
  const ComposedFrame composed = ComposeFrame();
  const FramePicture picture(engine_.Reader(), engine_.Metrics());
  picture.DrawCaptionButtons(frame_.Canvas(), composed.layout);
  picture.FillTransparentPixels(frame_.Canvas(), composed.geometry);
  drawnButtons_ = {};
  for (const CaptionButton& button : composed.layout.buttons) {
    drawnButtons_.close |= button.kind == TitleHit::kClose;
    drawnButtons_.maximize |= button.kind == TitleHit::kMaximize;
    drawnButtons_.minimize |= button.kind == TitleHit::kMinimize;
    drawnButtons_.help |= button.kind == TitleHit::kHelp;
  }
  drawnCaption_ = composed.caption;
  DrawCaptionAndIcon(composed.layout, composed.caption);
  PutFrameOnScreen();
}

void TvxSkinWindow::DrawCaptionAndIcon(const TitleBarLayout& layout, const std::wstring& caption) {
  HDC dc = frame_.Dc();
  if (layout.icon.Width() > 0) {
    DrawIconEx(dc, layout.icon.left, layout.icon.top, Icon(), kIconSize, kIconSize, 0, nullptr,
               DI_NORMAL);
  }
  win::SelectedObject font(dc, engine_.CaptionFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, active_ ? ui::ColorToRGB(engine_.Metrics().titleFontColor)
                           : GetSysColor(COLOR_INACTIVECAPTION));
  // The skin places the caption for the caption font at 96 dots per inch;
  // a larger one keeps its middle where the skin put that one's.
  TEXTMETRICW text{};
  GetTextMetricsW(dc, &text);
  const int rise = (text.tmHeight - ui::ToDesignPixels(text.tmHeight)) / 2;
  TextOutW(dc, layout.captionLeft, std::max(layout.captionTop - rise, 0), caption.c_str(),
           static_cast<int>(caption.size()));
  GdiFlush();
}

// One transfer of the whole frame; the client area is clipped away.
void TvxSkinWindow::PutFrameOnScreen() {
  if (!IsWindowVisible(handle_)) {
    return;
  }
  const win::WindowDC dc(handle_);
  if (!dc.Get()) {
    return;
  }
  RECT client{};
  GetClientRect(handle_, &client);
  const POINT origin = ClientOrigin();
  ExcludeClipRect(dc.Get(), origin.x, origin.y, origin.x + client.right, origin.y + client.bottom);
  frame_.CopyTo(dc.Get(), 0, 0);
}

void TvxSkinWindow::Reshape() {
  if (!frameOn_ || !WindowExists()) {
    return;
  }
  const SkinMetrics& metrics = engine_.Metrics();
  if (!metrics.titleNeedsRegion && !metrics.bottomNeedsRegion) {
    if (!shape_.empty()) {
      RemoveShape();
    }
    return;
  }
  const ComposedFrame composed = ComposeFrame();
  std::vector<image::Rect> shape = WindowShape(metrics, frame_.Canvas(), composed.geometry);
  if (SameRects(shape, shape_)) {
    return;
  }
  shape_ = std::move(shape);
  win::UniqueRegion region = RegionOf(shape_);
  if (region && SetWindowRgn(handle_, region.Get(), TRUE)) {
    region.Release();  // the system owns it now
  }
}

}  // namespace skinning
