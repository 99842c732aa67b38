#include "skin/skin_keys.h"
#include "tools/skingen/glyphs.h"
#include "tools/skingen/raster.h"
#include "tools/skingen/skin_images.h"

namespace skingen {

namespace {

using image::Bitmap;

enum class State { kNormal, kHot, kPressed };

// The strip holds six buttons of three states; the first is never drawn.
constexpr Glyph kGlyphOrder[] = {Glyph::kNone,    Glyph::kHelp,     Glyph::kMaximize,
                                 Glyph::kRestore, Glyph::kMinimize, Glyph::kClose};

constexpr Rgb kCloseRed = Hex(0xD8402B);

Rgb RoundButtonColor(Glyph glyph) {
  switch (glyph) {
    case Glyph::kClose:
      return Hex(0xE2483F);
    case Glyph::kMinimize:
      return Hex(0xE9B431);
    case Glyph::kMaximize:
    case Glyph::kRestore:
      return Hex(0x45B44F);
    default:
      return Hex(0x8E95A1);
  }
}

Rgb InState(const Rgb& color, State state) {
  switch (state) {
    case State::kHot:
      return Lighter(color, 0.22);
    case State::kPressed:
      return Darker(color, 0.22);
    default:
      return color;
  }
}

// A rounded square with a glossy face and a glyph in white, or in dark
// grey on light faces.
void DrawBoxed(Bitmap& frame, const Palette& p, Glyph glyph, State state, double radius) {
  const int s = frame.Width();
  const Rgb base =
      InState(glyph == Glyph::kClose ? kCloseRed : Mix(p.titleTop, p.accent, 0.3), state);
  const bool lightFace = Luma(base) > 170;
  PaintShape(frame, RoundRect(0, 0, s, s, radius),
             Solid(lightFace ? Darker(base, 0.4) : Lighter(base, 0.75)));
  const Rgb top = state == State::kPressed ? Darker(base, 0.1) : Lighter(base, 0.35);
  const Rgb bottom = state == State::kPressed ? Lighter(base, 0.1) : Darker(base, 0.08);
  PaintShape(frame, RoundRect(1, 1, s - 1, s - 1, radius - 1),
             VerticalGradient(top, bottom, 1, s - 2));
  const double offset = state == State::kPressed ? 1 : 0;
  DrawGlyph(frame, glyph, offset, offset, s, 0.62, lightFace ? Hex(0x303030) : Hex(0xFFFFFF));
}

// A coloured ball with a highlight; its glyph shows only under the mouse.
void DrawRound(Bitmap& frame, Glyph glyph, State state) {
  const int s = frame.Width();
  const Rgb base = InState(RoundButtonColor(glyph), state);
  PaintShape(frame, Ellipse(1, 1, s - 1, s - 1), Solid(Darker(base, 0.35)));
  PaintShape(frame, Ellipse(2, 2, s - 2, s - 2),
             VerticalGradient(Darker(base, 0.05), Lighter(base, 0.35), 2, s - 2));
  PaintShape(frame, Ellipse(s * 0.3, 2.5, s * 0.7, s * 0.42), Solid(Lighter(base, 0.6)));
  if (state != State::kNormal && glyph != Glyph::kNone) {
    DrawGlyph(frame, glyph, 0, 0, s, 0.5, Darker(base, 0.62));
  }
}

// The glyph alone, on a plate when hot or pressed.
void DrawBare(Bitmap& frame, const Palette& p, Glyph glyph, State state) {
  const int s = frame.Width();
  if (state != State::kNormal) {
    const Rgb plate = glyph == Glyph::kClose ? kCloseRed : Mix(p.titleBottom, p.accent, 0.45);
    PaintShape(frame, RoundRect(0, 0, s, s, 3), Solid(InState(plate, state)));
  }
  const Rgb glyphColor = state == State::kNormal ? p.caption : Hex(0xFFFFFF);
  DrawGlyph(frame, glyph, 0, 0, s, 0.6, glyphColor);
}

}  // namespace

int CaptionButtonSize(const SkinDescription& skin) {
  if (skin.buttons == ButtonLook::kRound) {
    return 15;
  }
  const int size = std::clamp(skin.titleHeight - 7, 15, 21);
  return size | 1;
}

SkinImage CaptionButtons(const SkinDescription& skin, const Palette& palette) {
  const int s = CaptionButtonSize(skin);
  std::vector<Bitmap> frames;
  for (Glyph glyph : kGlyphOrder) {
    for (State state : {State::kNormal, State::kHot, State::kPressed}) {
      Bitmap frame = TransparentPicture(s, s);
      switch (skin.buttons) {
        case ButtonLook::kBoxed:
          DrawBoxed(frame, palette, glyph, state, 3);
          break;
        case ButtonLook::kRound:
          DrawRound(frame, glyph, state);
          break;
        case ButtonLook::kBare:
          DrawBare(frame, palette, glyph, state);
          break;
      }
      frames.push_back(std::move(frame));
    }
  }
  return {skin::kImageTitleButtons, Strip(frames)};
}

}  // namespace skingen
