#pragma once

#include "image/canvas.h"
#include "image/rect.h"
#include "skin/skin_reader.h"

namespace skinning {

// The frame of the skin's three-frame button strip a push button shows:
// 3 while pressed, 2 while the mouse is over it, 1 otherwise.
int ButtonFrame(bool hot, bool pressed);

// A push button's face: the form colour, then frame `frame` of the button
// strip drawn nine-part over the whole of `rect`, its corners masked with
// the transparent colour when the skin draws buttons transparent. Without
// the button image only the form colour shows.
void DrawButtonFace(const skin::TvxSkinReader& reader, image::Canvas& canvas,
                    const image::Rect& rect, int frame);

// The focus rectangle of a button: 5 pixels inside it, one pixel further
// right and down while pressed.
image::Rect ButtonFocusRect(const image::Rect& client, bool pressed);

// Where a bitmap button's glyph goes relative to its caption.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct GlyphLayoutRequest {
  int clientWidth = 0;
  int clientHeight = 0;
  int glyphWidth = 0;
  int glyphHeight = 0;
  int textWidth = 0;
  int textHeight = 0;
  TButtonLayout layout = TButtonLayout::blGlyphLeft;
  // From the edge the glyph is on to the glyph; -1 centres glyph and
  // caption together.
  int margin = -1;
  // Between glyph and caption; -1 spreads the room evenly (with a margin
  // of -1 too: margin, glyph, spacing, caption and the rest alike).
  int spacing = 4;
  // Right-to-left reading swaps a left glyph for a right one and back.
  bool rightToLeft = false;
};

// The glyph's and the caption's top-left corners, as a bitmap button lays
// them out: along the layout's axis by margin and spacing, centred across
// it. Spacing counts only when there are both a glyph and a caption.
struct GlyphLayout {
  int glyphX = 0;
  int glyphY = 0;
  int textX = 0;
  int textY = 0;
};
GlyphLayout LayOutGlyphAndCaption(const GlyphLayoutRequest& request);

}  // namespace skinning
