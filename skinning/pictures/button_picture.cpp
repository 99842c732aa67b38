#include "skinning/pictures/button_picture.h"

#include <optional>

#include "image/image_drawing.h"
#include "skin/skin_keys.h"

namespace skinning {

namespace {

constexpr int kFocusInset = 5;

// Along one axis: the start of the first item (the glyph's edge side), the
// margin and the spacing once the -1s are resolved.
struct AxisPlacement {
  int margin;
  int spacing;
};

AxisPlacement ResolveAxis(int client, int glyph, int text, int margin, int spacing) {
  if (margin == -1) {
    if (spacing == -1) {
      margin = (client - glyph - text) / 3;
      return {margin, margin};
    }
    return {(client - glyph - spacing - text + 1) / 2, spacing};
  }
  if (spacing == -1) {
    spacing = (client - margin - glyph - text) / 2;
  }
  return {margin, spacing};
}

}  // namespace

int ButtonFrame(bool hot, bool pressed) {
  if (pressed) {
    return 3;
  }
  return hot ? 2 : 1;
}

void DrawButtonFace(const skin::TvxSkinReader& reader, image::Canvas& canvas,
                    const image::Rect& rect, int frame) {
  canvas.Fill(rect, reader.Color(skin::kColorForm));
  const std::optional<image::Bitmap> face =
      skin::ImageFrame(reader, skin::kImageButton, frame, skin::kButtonFrames);
  if (face) {
    image::DrawNinePart(*face, canvas, rect, reader.Color(skin::kColorTrans),
                        reader.Flag(skin::kFlagButtonTrans));
  }
}

image::Rect ButtonFocusRect(const image::Rect& client, bool pressed) {
  const int shift = pressed ? 1 : 0;
  return {client.left + kFocusInset + shift, client.top + kFocusInset + shift,
          client.right - kFocusInset + shift, client.bottom - kFocusInset + shift};
}

GlyphLayout LayOutGlyphAndCaption(const GlyphLayoutRequest& request) {
  TButtonLayout layout = request.layout;
  if (request.rightToLeft && layout == TButtonLayout::blGlyphLeft) {
    layout = TButtonLayout::blGlyphRight;
  } else if (request.rightToLeft && layout == TButtonLayout::blGlyphRight) {
    layout = TButtonLayout::blGlyphLeft;
  }
  const bool across = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  const bool both = request.glyphWidth > 0 && request.textWidth > 0;
  const int spacing = both ? request.spacing : 0;

  GlyphLayout placed;
  if (across) {
    placed.glyphY = (request.clientHeight - request.glyphHeight + 1) / 2;
    placed.textY = (request.clientHeight - request.textHeight + 1) / 2;
  } else {
    placed.glyphX = (request.clientWidth - request.glyphWidth + 1) / 2;
    placed.textX = (request.clientWidth - request.textWidth + 1) / 2;
  }
  const int client = across ? request.clientWidth : request.clientHeight;
  const int glyph = across ? request.glyphWidth : request.glyphHeight;
  const int text = across ? request.textWidth : request.textHeight;
  const AxisPlacement axis = ResolveAxis(client, glyph, text, request.margin, spacing);
  int& glyphAt = across ? placed.glyphX : placed.glyphY;
  int& textAt = across ? placed.textX : placed.textY;
  if (layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphTop) {
    glyphAt = axis.margin;
    textAt = glyphAt + glyph + axis.spacing;
  } else {
    glyphAt = client - axis.margin - glyph;
    textAt = glyphAt - axis.spacing - text;
  }
  return placed;
}

}  // namespace skinning
