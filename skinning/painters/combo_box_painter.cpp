#include "skinning/painters/combo_box_painter.h"

#include <type_traits>

#include "skin/skin_keys.h"
#include "skinning/engine/skin_engine.h"
#include "skinning/pictures/canvas_shapes.h"
#include "win/gdi.h"

namespace skinning {

namespace {

image::Rect RectOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

template <class Base>
bool TvxSkinComboBoxOf<Base>::BeforeMessage(ui::TMessage& message) {
  return !this->TakePaintMessages(message);
}

template <class Base>
void TvxSkinComboBoxOf<Base>::AfterMessage(ui::TMessage& message) {
  if (this->DrawsAtOnce(message.Msg)) {
    this->RepaintWhole();
    return;
  }
  if (message.Msg == WM_CTLCOLORLISTBOX) {
    // The dropped list asks for its colours as it paints its items.
    FrameDroppedList();
    return;
  }
  Base::AfterMessage(message);
}

template <class Base>
image::ColorRef TvxSkinComboBoxOf<Base>::InnerColor() const {
  if constexpr (std::is_same_v<Base, TvxSkinControlVCL>) {
    return this->ControlColor();
  }
  return GetSysColor(COLOR_WINDOW);
}

template <class Base>
void TvxSkinComboBoxOf<Base>::FrameDroppedList() const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!SendMessageW(this->GetHandle(), CB_GETDROPPEDSTATE, 0, 0) ||
      !GetComboBoxInfo(this->GetHandle(), &info) || !info.hwndList) {
    return;
  }
  const win::WindowDC dc(info.hwndList);
  if (!dc.Get()) {
    return;
  }
  RECT window{};
  GetWindowRect(info.hwndList, &window);
  const RECT frame{0, 0, window.right - window.left, window.bottom - window.top};
  win::UniqueBrush border = SolidBrush(this->Reader().Color(skin::kColorControlBorder));
  FrameRect(dc.Get(), &frame, border.Get());
}

template <class Base>
void TvxSkinComboBoxOf<Base>::Paint() {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  DibBuffer& picture = this->StartPicture();
  this->PrintControl();
  if (GetComboBoxInfo(this->GetHandle(), &info)) {
    const skin::TvxSkinReader& reader = this->Reader();
    image::Canvas& canvas = picture.Canvas();
    const image::Rect whole{0, 0, picture.Width(), picture.Height()};
    const image::ColorRef border = reader.Color(skin::kColorControlBorder);
    OutlineRect(canvas, whole, border);
    OutlineRect(canvas, {1, 1, whole.right - 1, whole.bottom - 1}, InnerColor());
    const image::Rect button = RectOf(info.rcButton);
    canvas.Fill(button, reader.Color(skin::kColorControl));
    const bool rightToLeft =
        (GetWindowLongW(this->GetHandle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const int lineX = rightToLeft ? button.right - 1 : button.left;
    canvas.Fill({lineX, button.top, lineX + 1, button.bottom}, border);
    DrawDropArrowIn(canvas, button, this->IsEnabled(), reader.Color(skin::kColorControl));
  }
  this->ShowPicture();
  FrameDroppedList();
}

template class TvxSkinComboBoxOf<TvxSkinControlVCL>;
template class TvxSkinComboBoxOf<TvxSkinControlWnd>;

}  // namespace skinning
