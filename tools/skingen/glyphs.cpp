#include "tools/skingen/glyphs.h"

#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "tools/skingen/raster.h"

namespace skingen {

namespace {

// Glyph outlines in a unit box centred on (0, 0), from -0.5 to 0.5.
struct Stroke {
  double x0, y0, x1, y1;
};

void DrawStrokes(image::Bitmap& picture, const std::vector<Stroke>& strokes, double cx, double cy,
                 double extent, double width, const Rgb& color) {
  for (const Stroke& s : strokes) {
    PaintShape(picture,
               Segment(cx + s.x0 * extent, cy + s.y0 * extent, cx + s.x1 * extent,
                       cy + s.y1 * extent, width),
               Solid(color));
  }
}

void DrawBox(image::Bitmap& picture, double left, double top, double right, double bottom,
             double line, const Rgb& color) {
  PaintShape(picture,
             Ring(RoundRect(left, top, right, bottom, 0),
                  RoundRect(left + line, top + 2 * line, right - line, bottom - line, 0)),
             Solid(color));
}

}  // namespace

void DrawGlyph(image::Bitmap& picture, Glyph glyph, double left, double top, double size,
               double scale, const Rgb& color) {
  const double cx = left + size / 2;
  const double cy = top + size / 2;
  const double extent = size * 0.5 * scale;
  const double line = std::max(1.0, size / 11.0) * std::min(scale * 1.4, 1.0);
  const double h = extent / 2;
  switch (glyph) {
    case Glyph::kNone:
      break;
    case Glyph::kClose:
      DrawStrokes(picture, {{-0.42, -0.42, 0.42, 0.42}, {-0.42, 0.42, 0.42, -0.42}}, cx, cy, extent,
                  line * 1.5, color);
      break;
    case Glyph::kMinimize:
      PaintShape(picture, RoundRect(cx - h, cy + h - 2 * line, cx + h, cy + h, 0), Solid(color));
      break;
    case Glyph::kMaximize:
      DrawBox(picture, std::floor(cx - h), std::floor(cy - h), std::ceil(cx + h), std::ceil(cy + h),
              std::round(line), color);
      break;
    case Glyph::kRestore: {
      // The back window shows only where the front one does not cover it.
      const double small = std::round(h * 1.3);
      const double x = std::floor(cx - h);
      const double y = std::floor(cy - h);
      const double l = std::round(line);
      const double backLeft = x + 2 * h - small;
      const double backRight = x + 2 * h;
      const double frontTop = y + 2 * h - small;
      for (const auto& [x0, y0, x1, y1] : {std::array<double, 4>{backLeft, y, backRight, y + 2 * l},
                                           {backRight - l, y, backRight, y + small},
                                           {x + small, y + small - l, backRight, y + small},
                                           {backLeft, y, backLeft + l, frontTop}}) {
        PaintShape(picture, RoundRect(x0, y0, x1, y1, 0), Solid(color));
      }
      DrawBox(picture, x, frontTop, x + small, y + 2 * h, l, color);
      break;
    }
    case Glyph::kHelp: {
      const double q = extent * 1.25;
      DrawStrokes(picture,
                  {{-0.3, -0.22, -0.22, -0.4},
                   {-0.22, -0.4, 0.0, -0.48},
                   {0.0, -0.48, 0.22, -0.4},
                   {0.22, -0.4, 0.28, -0.2},
                   {0.28, -0.2, 0.14, -0.04},
                   {0.14, -0.04, 0.0, 0.06},
                   {0.0, 0.06, 0.0, 0.18}},
                  cx, cy, q, line * 1.2, color);
      const double dot = std::max(line * 0.75, 0.9);
      PaintShape(picture, Ellipse(cx - dot, cy + 0.4 * q - dot, cx + dot, cy + 0.4 * q + dot),
                 Solid(color));
      break;
    }
  }
}

void DrawCheckMark(image::Bitmap& picture, double left, double top, double size, double width,
                   const Rgb& color) {
  DrawStrokes(picture, {{-0.32, 0.0, -0.1, 0.24}, {-0.1, 0.24, 0.34, -0.26}}, left + size / 2,
              top + size / 2, size, width, color);
}

void DrawUpArrow(image::Bitmap& picture, double left, double top, double size, const Rgb& color) {
  const double cx = left + size / 2;
  const double cy = top + size / 2;
  const double h = size * 0.2;
  PaintShape(picture,
             Triangle(cx - 1.6 * h, cy + h * 0.8, cx + 1.6 * h, cy + h * 0.8, cx, cy - h * 0.9),
             Solid(color));
}

}  // namespace skingen
