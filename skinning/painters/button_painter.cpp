#include "skinning/painters/button_painter.h"

#include <windowsx.h>

#include <commctrl.h>

#include <string>
#include <type_traits>

#include "skinning/engine/skin_engine.h"
#include "skinning/pictures/button_picture.h"
#include "ui/buttons.h"
#include "win/gdi.h"
#include "win/window_text.h"

namespace skinning {

namespace {

constexpr WPARAM kCharReturn = 13;
constexpr WPARAM kCharNull = 0;
constexpr COLORREF kGrayText = 0x808080;

bool IsPressKey(WPARAM key) {
  return key == VK_SPACE || key == VK_RETURN;
}

// The glyph of one of our bitmap buttons; plain windows show none.
template <class Base>
HIMAGELIST GlyphOf(const Base& painter) {
  if constexpr (std::is_same_v<Base, TvxSkinControlVCL>) {
    if (const auto* button = dynamic_cast<const ui::TBitBtn*>(&painter.Control())) {
      return button->Glyph();
    }
  }
  (void)painter;
  return nullptr;
}

}  // namespace

template <class Base>
bool TvxSkinButtonOf<Base>::BeforeMessage(ui::TMessage& message) {
  if (this->TakePaintMessages(message)) {
    return false;
  }
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      this->Repaint();
      this->MarkHandled();
      return false;
    case WM_KEYDOWN:
      return !IsPressKey(message.WParam);
    case WM_MOUSEMOVE:
      // While we hold the press, the button's own handler would show its
      // own pressed look as the mouse moves.
      return !pressStarted_;
    case WM_CAPTURECHANGED:
      if (pressStarted_) {
        pressStarted_ = false;
        this->state_ &= ~TvxSkinControl::kPressed;
        this->Repaint();
      }
      return true;
  }
  return true;
}

template <class Base>
void TvxSkinButtonOf<Base>::AfterMessage(ui::TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      if (pressStarted_) {
        const bool inside = PointInside(message.LParam);
        const uint8_t wanted =
            inside ? TvxSkinControl::kHot | TvxSkinControl::kPressed : uint8_t{0};
        if (wanted != this->state_) {
          this->state_ = wanted;
          this->Repaint();
        }
        return;
      }
      break;
    case WM_LBUTTONDBLCLK:
      // The second press of a double click is a press like the first.
      this->state_ |= TvxSkinControl::kPressed;
      this->Repaint();
      MouseDown();
      return;
    case WM_LBUTTONUP:
      releasedInside_ = PointInside(message.LParam);
      if (!releasedInside_) {
        this->state_ &= ~TvxSkinControl::kHot;
      }
      break;
    case WM_CHAR:
      if (message.WParam == kCharReturn || message.WParam == kCharNull) {
        this->state_ &= ~TvxSkinControl::kPressed;
        this->Repaint();
        Click();
        return;
      }
      break;
    case BM_SETSTATE:
    case BM_SETSTYLE:
      this->RepaintWhole();
      return;
  }
  Base::AfterMessage(message);
}

template <class Base>
void TvxSkinButtonOf<Base>::MouseDown() {
  HWND button = this->GetHandle();
  const bool formActive = GetActiveWindow() == GetAncestor(button, GA_ROOT);
  if (formActive && IsWindowEnabled(button) && IsWindowVisible(button) && GetFocus() != button) {
    SetFocus(button);
  }
  pressStarted_ = true;
  SetCapture(button);
}

template <class Base>
void TvxSkinButtonOf<Base>::MouseUp() {
  if (!pressStarted_) {
    return;
  }
  pressStarted_ = false;
  if (GetCapture() == this->GetHandle()) {
    ReleaseCapture();
  }
  if (releasedInside_) {
    Click();
  }
}

template <class Base>
void TvxSkinButtonOf<Base>::KeyUp(WPARAM key) {
  if (key != VK_SPACE || GetFocus() != this->GetHandle() || !this->IsEnabled() ||
      !this->Skinning()) {
    return;
  }
  this->state_ &= ~TvxSkinControl::kPressed;
  this->Repaint();
  Click();
}

// Last in every handler: what the click does may free the painter.
template <class Base>
void TvxSkinButtonOf<Base>::Click() {
  HWND button = this->GetHandle();
  if (!IsWindowEnabled(button)) {
    return;
  }
  SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

template <class Base>
bool TvxSkinButtonOf<Base>::PointInside(LPARAM point) const {
  const RECT client = this->GetPaintRect();
  const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  return PtInRect(&client, at) != FALSE;
}

template <class Base>
void TvxSkinButtonOf<Base>::Paint() {
  DibBuffer& picture = this->StartPicture();
  const bool pressed = (this->state_ & TvxSkinControl::kPressed) != 0;
  const bool hot = (this->state_ & TvxSkinControl::kHot) != 0;
  const image::Rect whole{0, 0, picture.Width(), picture.Height()};
  DrawButtonFace(this->Reader(), picture.Canvas(), whole, ButtonFrame(hot, pressed));
  if (GetFocus() == this->GetHandle()) {
    const image::Rect focus = ButtonFocusRect(whole, pressed);
    const RECT rect{focus.left, focus.top, focus.right, focus.bottom};
    SetTextColor(picture.Dc(), 0x000000);
    SetBkColor(picture.Dc(), 0xFFFFFF);
    DrawFocusRect(picture.Dc(), &rect);
  }
  DrawGlyphAndCaption();
  this->ShowPicture();
}

template <class Base>
void TvxSkinButtonOf<Base>::DrawGlyphAndCaption() {
  DibBuffer& picture = this->picture_;
  const std::wstring caption = win::WindowTextOf(this->GetHandle());
  const COLORREF color = this->SkinColor(skin::kColorButtonFont, GetSysColor(COLOR_BTNTEXT));
  HIMAGELIST glyph = GlyphOf(static_cast<const Base&>(*this));
  if (!glyph) {
    this->DrawCaption(caption, RECT{0, 0, picture.Width(), picture.Height()}, color);
    return;
  }
  HDC dc = picture.Dc();
  win::SelectedObject font(dc, this->ControlFont());
  RECT textSize{0, 0, 0, 0};
  if (!caption.empty()) {
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textSize,
              DT_SINGLELINE | DT_CALCRECT);
  }
  GlyphLayoutRequest request;
  request.clientWidth = picture.Width();
  request.clientHeight = picture.Height();
  ImageList_GetIconSize(glyph, &request.glyphWidth, &request.glyphHeight);
  request.textWidth = textSize.right;
  request.textHeight = textSize.bottom;
  request.rightToLeft = (GetWindowLongW(this->GetHandle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  const GlyphLayout layout = LayOutGlyphAndCaption(request);
  const int shift = (this->state_ & TvxSkinControl::kPressed) ? 1 : 0;
  ImageList_Draw(glyph, 0, dc, layout.glyphX + shift, layout.glyphY + shift, ILD_TRANSPARENT);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, this->IsEnabled() ? color : kGrayText);
  RECT text{layout.textX + shift, layout.textY + shift, picture.Width(), picture.Height()};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE);
  GdiFlush();
}

template class TvxSkinButtonOf<TvxSkinControlVCL>;
template class TvxSkinButtonOf<TvxSkinControlWnd>;

}  // namespace skinning
