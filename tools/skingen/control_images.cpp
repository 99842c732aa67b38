#include <cmath>

#include "image/image_transforms.h"
#include "skin/skin_keys.h"
#include "tools/skingen/glyphs.h"
#include "tools/skingen/raster.h"
#include "tools/skingen/skin_images.h"

namespace skingen {

namespace {

using image::Bitmap;

constexpr int kButtonSize = 21;
constexpr int kBoxSize = 13;
constexpr int kProgressHeight = 14;
constexpr int kTabWidth = 21;
constexpr int kTabHeight = 21;

// A face that is square and opaque, or rounded on the transparent colour.
Bitmap Face(int width, int height, double radius) {
  return radius > 0 ? TransparentPicture(width, height) : Bitmap(width, height, 24);
}

Bitmap PushButton(const Palette& p, double radius, int state) {
  Bitmap frame = Face(kButtonSize, kButtonSize, radius);
  const Rgb edge = state == 1 ? Darker(p.accent, 0.1) : p.controlBorder;
  PaintShape(frame, RoundRect(0, 0, kButtonSize, kButtonSize, radius), Solid(edge));
  Rgb top = p.faceTop;
  Rgb bottom = p.faceBottom;
  if (state == 1) {
    top = Mix(top, p.accent, 0.18);
    bottom = Mix(bottom, p.accent, 0.3);
  } else if (state == 2) {
    std::swap(top, bottom);
    top = Mix(top, p.accent, 0.25);
  }
  PaintShape(frame, RoundRect(1, 1, kButtonSize - 1, kButtonSize - 1, std::max(radius - 1, 0.0)),
             VerticalGradient(top, bottom, 1, kButtonSize - 2));
  if (state != 2) {
    // A light line under the top edge gives the face its lift.
    PaintShape(frame, RoundRect(2, 1, kButtonSize - 2, 2, 0), Solid(Lighter(top, 0.5)));
  }
  return frame;
}

// frame 0 checked, 1 grayed, 2 unchecked; +3 disabled.
Bitmap CheckBox(const Palette& p, double radius, int frameIndex) {
  const bool enabled = frameIndex < 3;
  const int mark = frameIndex % 3;
  Bitmap frame = Face(kBoxSize, kBoxSize, radius);
  const Rgb border = enabled ? p.controlBorder : Mix(p.controlBorder, p.form, 0.6);
  const Rgb field = enabled ? p.field : Mix(p.field, p.form, 0.6);
  PaintShape(frame, RoundRect(0, 0, kBoxSize, kBoxSize, radius), Solid(border));
  PaintShape(frame, RoundRect(1, 1, kBoxSize - 1, kBoxSize - 1, std::max(radius - 1, 0.0)),
             VerticalGradient(Darker(field, 0.08), field, 1, kBoxSize - 2));
  const Rgb ink = enabled ? Darker(p.accent, p.dark ? 0 : 0.25) : Mix(p.text, p.form, 0.6);
  if (mark == 0) {
    DrawCheckMark(frame, 0.5, 0.5, kBoxSize - 1, 2.0, ink);
  } else if (mark == 1) {
    PaintShape(frame, RoundRect(3, 3, kBoxSize - 3, kBoxSize - 3, 1), Solid(Mix(ink, field, 0.3)));
  }
  return frame;
}

// frame 0 checked, 1 unchecked; +2 disabled.
Bitmap RadioButton(const Palette& p, int frameIndex) {
  const bool enabled = frameIndex < 2;
  Bitmap frame = TransparentPicture(kBoxSize, kBoxSize);
  const Rgb border = enabled ? p.controlBorder : Mix(p.controlBorder, p.form, 0.6);
  const Rgb field = enabled ? p.field : Mix(p.field, p.form, 0.6);
  PaintShape(frame, Ellipse(0, 0, kBoxSize, kBoxSize), Solid(border));
  PaintShape(frame, Ellipse(1, 1, kBoxSize - 1, kBoxSize - 1),
             VerticalGradient(Darker(field, 0.1), field, 1, kBoxSize - 2));
  if (frameIndex % 2 == 0) {
    const Rgb dot = enabled ? p.accent : Mix(p.text, p.form, 0.6);
    PaintShape(frame, Ellipse(3.5, 3.5, kBoxSize - 3.5, kBoxSize - 3.5),
               VerticalGradient(Lighter(dot, 0.35), Darker(dot, 0.2), 4, kBoxSize - 4));
  }
  return frame;
}

// A progress-bar piece: the outline along the top and bottom (and the
// side at an end), the trough or the glossy fill between.
Bitmap ProgressPiece(const Palette& p, int width, bool leftEnd, bool rightEnd, bool filled) {
  Bitmap piece = SolidPicture(width, kProgressHeight, p.form);
  const Rgb top = filled ? Lighter(p.accent, 0.45) : Darker(p.field, 0.1);
  const Rgb bottom = filled ? Darker(p.accent, 0.1) : p.field;
  const double reach = 4;
  PaintShape(
      piece,
      RoundRect(leftEnd ? 0 : -reach, 0, rightEnd ? width : width + reach, kProgressHeight, 2.5),
      Solid(p.controlBorder));
  PaintShape(piece,
             RoundRect(leftEnd ? 1 : -reach, 1, rightEnd ? width - 1 : width + reach,
                       kProgressHeight - 1, 1.5),
             [&](int, int y) {
               const double t = (y - 1.0) / (kProgressHeight - 3);
               return t < 0.45 ? Mix(Lighter(top, 0.2), top, t / 0.45)
                               : Mix(top, bottom, (t - 0.45) / 0.55);
             });
  return piece;
}

Bitmap TrackChannel(const Palette& p) {
  Bitmap channel = TransparentPicture(24, 6);
  PaintShape(channel, RoundRect(0, 0, 24, 6, 3), Solid(p.controlBorder));
  PaintShape(channel, RoundRect(1, 1, 23, 5, 2),
             VerticalGradient(Darker(p.field, 0.2), p.field, 1, 4));
  return channel;
}

// A thumb pointing down; the vertical bar's thumb is the same turned.
Bitmap TrackSlider(const Palette& p) {
  constexpr int w = 11;
  constexpr int h = 19;
  Bitmap slider = TransparentPicture(w, h);
  auto body = [](double inset) {
    return [inset](double x, double y) {
      const bool box = x >= inset && x < w - inset && y >= inset && y < h - 5;
      const bool point =
          y >= h - 6 && y < h - inset * 1.4 && std::abs(x - w / 2.0) < (h - inset * 1.4 - y) + 0.3;
      return box || point;
    };
  };
  PaintShape(slider, body(0), Solid(Darker(p.accent, 0.4)));
  PaintShape(slider, body(1), VerticalGradient(Lighter(p.accent, 0.55), p.accent, 1, h - 2));
  return slider;
}

Bitmap Tab(const Palette& p, double radius, bool selected) {
  Bitmap frame = Face(kTabWidth, kTabHeight, radius);
  const Rgb top = selected ? Lighter(p.form, 0.6) : Mix(p.form, p.frame, 0.2);
  const Rgb bottom = selected ? Lighter(p.form, 0.3) : Mix(p.form, p.frame, 0.35);
  const int y0 = selected ? 0 : 2;
  if (!selected && radius == 0) {
    PaintShape(frame, RoundRect(0, 0, kTabWidth, y0, 0), Solid(p.form));
  }
  PaintShape(frame, TopRoundRect(0, y0, kTabWidth, kTabHeight, radius), Solid(p.controlBorder));
  PaintShape(frame, TopRoundRect(1, y0 + 1, kTabWidth - 1, kTabHeight, std::max(radius - 1, 0.0)),
             VerticalGradient(top, bottom, y0 + 1, kTabHeight - 1));
  if (selected) {
    // The accent line along the selected tab's top.
    PaintShape(frame, TopRoundRect(1, 1, kTabWidth - 1, 3, std::max(radius - 1, 0.0)),
               Solid(p.accent));
  }
  return frame;
}

Bitmap TabLine(const Palette& p) {
  Bitmap line = SolidPicture(6, 3, Lighter(p.form, 0.3));
  PaintShape(line, RoundRect(0, 0, 6, 1, 0), Solid(p.controlBorder));
  return line;
}

}  // namespace

std::vector<SkinImage> ControlImages(const SkinDescription& skin, const Palette& p) {
  const double radius = skin.controlRadius;
  std::vector<Bitmap> buttons, boxes, radios;
  for (int state = 0; state < skin::kButtonFrames; ++state) {
    buttons.push_back(PushButton(p, radius, state));
  }
  for (int frame = 0; frame < skin::kCheckBoxFrames; ++frame) {
    boxes.push_back(CheckBox(p, std::min(radius, 3.0), frame));
  }
  for (int frame = 0; frame < skin::kRadioButtonFrames; ++frame) {
    radios.push_back(RadioButton(p, frame));
  }
  const Bitmap slider = TrackSlider(p);
  std::vector<SkinImage> images;
  images.push_back({skin::kImageButton, Strip(buttons)});
  images.push_back({skin::kImageCheckBox, Strip(boxes)});
  images.push_back({skin::kImageCheckBoxList, Strip(boxes)});
  images.push_back({skin::kImageRadioButton, Strip(radios)});
  images.push_back({skin::kImageProgressBar1, ProgressPiece(p, 4, true, false, false)});
  images.push_back({skin::kImageProgressBar2, ProgressPiece(p, 6, false, false, true)});
  images.push_back({skin::kImageProgressBar3, ProgressPiece(p, 6, false, false, false)});
  images.push_back({skin::kImageProgressBar4, ProgressPiece(p, 4, false, true, false)});
  images.push_back({skin::kImageTrackBar, TrackChannel(p)});
  images.push_back({skin::kImageTrackBarSlider, slider});
  images.push_back({skin::kImageTrackBarVSlider, image::TurnCounterClockwise(slider)});
  images.push_back({skin::kImageTabControl, Strip({Tab(p, radius, true), Tab(p, radius, false)})});
  images.push_back({skin::kImageTabControlLine, TabLine(p)});
  return images;
}

}  // namespace skingen
