#include "image/image_transforms.h"
#include "skin/skin_keys.h"
#include "tools/skingen/glyphs.h"
#include "tools/skingen/raster.h"
#include "tools/skingen/skin_images.h"

namespace skingen {

namespace {

using image::Bitmap;

constexpr int kScrollSize = 16;
constexpr int kThumbHeight = 33;

// The face of scroll-bar parts in the normal, hot and pressed states.
Paint ScrollFace(const Palette& p, int state, bool across) {
  Rgb light = p.faceTop;
  Rgb deep = Mix(p.faceBottom, p.frame, 0.15);
  if (state == 1) {
    light = Mix(light, p.accent, 0.2);
    deep = Mix(deep, p.accent, 0.35);
  } else if (state == 2) {
    light = Mix(deep, p.accent, 0.4);
    deep = Mix(p.faceTop, p.accent, 0.2);
  }
  return [=](int x, int y) {
    const int along = across ? x : y;
    return Mix(light, deep, along / double(kScrollSize - 1));
  };
}

// An arrow button on the transparent colour, which the program paints in
// the scroll-bar colour.
Bitmap ArrowButton(const Palette& p, int state, bool up) {
  Bitmap frame = TransparentPicture(kScrollSize, kScrollSize);
  PaintShape(frame, RoundRect(0, 0, kScrollSize, kScrollSize, 3), Solid(p.controlBorder));
  PaintShape(frame, RoundRect(1, 1, kScrollSize - 1, kScrollSize - 1, 2),
             ScrollFace(p, state, false));
  DrawUpArrow(frame, 0, state == 2 ? 1 : 0, kScrollSize,
              p.dark ? p.text : Darker(p.controlBorder, 0.35));
  return up ? frame : image::TurnHalf(frame);
}

// The vertical thumb: 3-row round ends, a plain body and a grip in the
// middle rows that the program keeps at its own size.
Bitmap Thumb(const Palette& p) {
  Bitmap thumb = TransparentPicture(kScrollSize, kThumbHeight);
  PaintShape(thumb, RoundRect(1, 0, kScrollSize - 1, kThumbHeight, 3), Solid(p.controlBorder));
  PaintShape(thumb, RoundRect(2, 1, kScrollSize - 2, kThumbHeight - 1, 2), ScrollFace(p, 0, true));
  for (int row : {14, 16, 18}) {
    PaintShape(thumb, RoundRect(5, row, kScrollSize - 5, row + 1, 0),
               Solid(Darker(p.controlBorder, 0.1)));
    PaintShape(thumb, RoundRect(5, row + 1, kScrollSize - 5, row + 2, 0),
               Solid(Lighter(p.faceTop, 0.5)));
  }
  return thumb;
}

Bitmap ScrollKnob(const Palette& p, int state) {
  Bitmap frame = TransparentPicture(kScrollSize, kScrollSize);
  PaintShape(frame, Ellipse(1, 1, kScrollSize - 1, kScrollSize - 1), Solid(p.controlBorder));
  PaintShape(frame, Ellipse(2, 2, kScrollSize - 2, kScrollSize - 2), ScrollFace(p, state, false));
  return frame;
}

Bitmap Band(int width, int height, const Rgb& top, const Rgb& bottom) {
  Bitmap band(width, height, 24);
  PaintShape(band, RoundRect(0, 0, width, height, 0), VerticalGradient(top, bottom, 0, height - 1));
  return band;
}

Bitmap CheckedMenuIcon(const Palette& p) {
  Bitmap icon = TransparentPicture(16, 16);
  DrawCheckMark(icon, 2, 2, 12, 2.2, p.text);
  return icon;
}

Bitmap SideChannelTitle(const Palette& p) {
  Bitmap title = Band(20, 24, Lighter(p.titleTop, 0.1), p.titleBottom);
  PaintShape(title, RoundRect(0, 23, 20, 24, 0), Solid(p.outline));
  return title;
}

}  // namespace

std::vector<SkinImage> BarImages(const SkinDescription&, const Palette& p) {
  std::vector<Bitmap> up, down, knob;
  for (int state = 0; state < skin::kScrollArrowFrames; ++state) {
    up.push_back(ArrowButton(p, state, true));
    down.push_back(ArrowButton(p, state, false));
    knob.push_back(ScrollKnob(p, state));
  }
  return {
      {skin::kImageScrollBarUpButton, Strip(up)},
      {skin::kImageScrollBar, Thumb(p)},
      {skin::kImageScrollBarDownButton, Strip(down)},
      {skin::kImageScrollButton, Strip(knob)},
      {skin::kImageMenuBar, Band(8, 20, Lighter(p.form, p.dark ? 0.06 : 0.45), p.form)},
      {skin::kImageToolBar, Band(8, 26, p.faceTop, p.faceBottom)},
      {skin::kImageCheckedMenuIcon, CheckedMenuIcon(p)},
      {skin::kImageSideChannelBar,
       Band(20, 40, Mix(p.form, p.frame, 0.15), Mix(p.form, p.frame, 0.35))},
      {skin::kImageSideChannelTitle, SideChannelTitle(p)},
  };
}

}  // namespace skingen
