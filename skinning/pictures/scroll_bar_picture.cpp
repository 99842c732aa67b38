#include "skinning/pictures/scroll_bar_picture.h"

#include <algorithm>

#include "image/image_drawing.h"

namespace skinning {

namespace {

// The caps' space at each end of a thumb that the fillers and the grip
// leave free.
constexpr int kCapRoom = 3;
constexpr int kNormalUp = 1;
constexpr int kNormalDown = 4;
// Whole thumbs longer than this are drawn in three parts.
constexpr int kMinWholeThumb = 15;

// Draws pieces along one axis of a thumb: positions and lengths count
// along the bar, from the thumb's start.
class ThumbPainter {
 public:
  ThumbPainter(const skin::TvxSkinScrollBtnRes& pictures, image::Canvas& canvas,
               const image::Rect& thumb, bool vertical)
      : pictures_(pictures), canvas_(canvas), thumb_(thumb), vertical_(vertical) {}

  int Length() const { return vertical_ ? thumb_.Height() : thumb_.Width(); }
  int PieceLength(int piece) const {
    const image::Bitmap& picture = Piece(piece);
    return vertical_ ? picture.Height() : picture.Width();
  }

  // Draws the piece's run [from, from + count) over [at, at + length).
  void Draw(int piece, int from, int count, int at, int length) const {
    if (count <= 0 || length <= 0) {
      return;
    }
    const image::Bitmap& picture = Piece(piece);
    const image::Rect source = vertical_ ? image::Rect{0, from, picture.Width(), from + count}
                                         : image::Rect{from, 0, from + count, picture.Height()};
    canvas_.Stretch(picture, source, Span(at, length));
  }
  // The piece whole over [at, at + length).
  void Stretch(int piece, int at, int length) const {
    Draw(piece, 0, PieceLength(piece), at, length);
  }

 private:
  const image::Bitmap& Piece(int piece) const {
    return vertical_ ? pictures_.VerticalThumb(piece) : pictures_.HorizontalThumb(piece);
  }
  image::Rect Span(int at, int length) const {
    if (vertical_) {
      return {thumb_.left, thumb_.top + at, thumb_.right, thumb_.top + at + length};
    }
    return {thumb_.left + at, thumb_.top, thumb_.left + at + length, thumb_.bottom};
  }

  const skin::TvxSkinScrollBtnRes& pictures_;
  image::Canvas& canvas_;
  const image::Rect& thumb_;
  bool vertical_;
};

void DrawArrows(const skin::TvxSkinScrollBtnRes& pictures, image::Canvas& canvas,
                const image::Rect& bar, bool vertical) {
  auto arrow = [&](int state) -> const image::Bitmap& {
    return vertical ? pictures.VerticalArrow(state) : pictures.HorizontalArrow(state);
  };
  const image::Rect first =
      vertical ? image::Rect{bar.left, bar.top, bar.right, bar.top + kScrollArrowLength}
               : image::Rect{bar.left, bar.top, bar.left + kScrollArrowLength, bar.bottom};
  const image::Rect last =
      vertical ? image::Rect{bar.left, bar.bottom - kScrollArrowLength, bar.right, bar.bottom}
               : image::Rect{bar.right - kScrollArrowLength, bar.top, bar.right, bar.bottom};
  canvas.Stretch(arrow(kNormalUp), image::BoundsOf(arrow(kNormalUp)), first);
  canvas.Stretch(arrow(kNormalDown), image::BoundsOf(arrow(kNormalDown)), last);
}

void DrawPiecedThumb(const ThumbPainter& thumb) {
  const int length = thumb.Length();
  const int startCap = std::min(thumb.PieceLength(1), length);
  thumb.Draw(1, 0, startCap, 0, startCap);
  const int endCap = thumb.PieceLength(5);
  const int cut = std::max(0, endCap - length / 2);
  thumb.Draw(5, cut, endCap - cut, length - (endCap - cut), endCap - cut);

  const int room = length - 2 * kCapRoom;
  const int grip = thumb.PieceLength(3);
  if (grip >= room) {
    thumb.Stretch(3, kCapRoom, room);
    return;
  }
  const int gripAt = kCapRoom + (room - grip) / 2;
  thumb.Stretch(3, gripAt, grip);
  thumb.Stretch(4, gripAt + grip, length - kCapRoom - (gripAt + grip));
  thumb.Stretch(2, kCapRoom, gripAt - kCapRoom);
}

}  // namespace

void DrawScrollBar(const skin::TvxSkinScrollBtnRes& pictures, image::ColorRef barColor,
                   image::Canvas& canvas, const image::Rect& bar, const image::Rect& thumb,
                   bool vertical) {
  canvas.Fill(bar, barColor);
  DrawArrows(pictures, canvas, bar, vertical);
  if (thumb.IsEmpty()) {
    return;
  }
  const ThumbPainter painter(pictures, canvas, thumb, vertical);
  if (pictures.WholeThumb() && painter.Length() > kMinWholeThumb) {
    if (vertical) {
      image::CopyThreePartV(pictures.VerticalWholeThumb(), canvas, thumb, 0);
    } else {
      image::DrawThreePartH(pictures.HorizontalWholeThumb(), canvas, thumb, 0, false);
    }
    return;
  }
  DrawPiecedThumb(painter);
}

}  // namespace skinning
