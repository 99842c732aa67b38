#include "tools/skingen/raster.h"

#include <algorithm>
#include <cmath>

namespace skingen {

namespace {

constexpr int kSamples = 4;

bool IsTransparent(const image::Bitmap& picture, int x, int y) {
  return picture.Pixel(x, y) == kTransparent;
}

double Coverage(const Shape& shape, int x, int y) {
  int inside = 0;
  for (int sy = 0; sy < kSamples; ++sy) {
    for (int sx = 0; sx < kSamples; ++sx) {
      inside += shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
    }
  }
  return static_cast<double>(inside) / (kSamples * kSamples);
}

bool InsideCorner(double x, double y, double cx, double cy, double radius) {
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// Inside a rectangle whose chosen corners are rounded.
bool InsideRounded(double x, double y, double left, double top, double right, double bottom,
                   double radius, bool roundBottom) {
  if (x < left || x >= right || y < top || y >= bottom) {
    return false;
  }
  const double cx = x < left + radius ? left + radius : x > right - radius ? right - radius : x;
  const double cy = y < top + radius                     ? top + radius
                    : roundBottom && y > bottom - radius ? bottom - radius
                                                         : y;
  return InsideCorner(x, y, cx, cy, radius);
}

double Cross(double ax, double ay, double bx, double by, double px, double py) {
  return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
}

}  // namespace

Paint VerticalGradient(const Rgb& top, const Rgb& bottom, int first, int last) {
  return [=](int, int y) {
    const double t = last > first ? std::clamp((y - first) / double(last - first), 0.0, 1.0) : 0;
    return Mix(top, bottom, t);
  };
}

image::Bitmap TransparentPicture(int width, int height) {
  image::Bitmap picture(width, height, 24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.SetPixel(x, y, kTransparent);
    }
  }
  return picture;
}

image::Bitmap SolidPicture(int width, int height, const Rgb& color) {
  image::Bitmap picture(width, height, 24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.SetPixel(x, y, ToColorRef(color));
    }
  }
  return picture;
}

image::Bitmap Strip(const std::vector<image::Bitmap>& frames) {
  const int width = frames.empty() ? 0 : frames[0].Width();
  const int height = frames.empty() ? 0 : frames[0].Height();
  image::Bitmap strip(width * static_cast<int>(frames.size()), height, 24);
  for (size_t i = 0; i < frames.size(); ++i) {
    for (int y = 0; y < height; ++y) {
      std::copy_n(frames[i].Row(y), width, strip.Row(y) + i * width);
    }
  }
  return strip;
}

void PaintShape(image::Bitmap& picture, int left, int top, int right, int bottom,
                const Shape& shape, const Paint& paint) {
  for (int y = std::max(top, 0); y < std::min(bottom, picture.Height()); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, picture.Width()); ++x) {
      const double coverage = Coverage(shape, x, y);
      if (coverage <= 0) {
        continue;
      }
      if (IsTransparent(picture, x, y)) {
        if (coverage >= 0.5) {
          picture.SetPixel(x, y, ToColorRef(paint(x, y)));
        }
        continue;
      }
      const Rgb under = FromColorRef(picture.Pixel(x, y));
      picture.SetPixel(x, y, ToColorRef(Mix(under, paint(x, y), coverage)));
    }
  }
}

void PaintShape(image::Bitmap& picture, const Shape& shape, const Paint& paint) {
  PaintShape(picture, 0, 0, picture.Width(), picture.Height(), shape, paint);
}

Shape RoundRect(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) {
    return InsideRounded(x, y, left, top, right, bottom, radius, true);
  };
}

Shape TopRoundRect(double left, double top, double right, double bottom, double radius) {
  return [=](double x, double y) {
    return InsideRounded(x, y, left, top, right, bottom, radius, false);
  };
}

Shape Ellipse(double left, double top, double right, double bottom) {
  const double cx = (left + right) / 2;
  const double cy = (top + bottom) / 2;
  const double rx = (right - left) / 2;
  const double ry = (bottom - top) / 2;
  return [=](double x, double y) {
    const double dx = (x - cx) / rx;
    const double dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1;
  };
}

Shape Segment(double x0, double y0, double x1, double y1, double width) {
  return [=](double x, double y) {
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / length2, 0.0, 1.0) : 0;
    const double ex = x - (x0 + t * dx);
    const double ey = y - (y0 + t * dy);
    return ex * ex + ey * ey <= width * width / 4;
  };
}

Shape Triangle(double x0, double y0, double x1, double y1, double x2, double y2) {
  return [=](double x, double y) {
    const double a = Cross(x0, y0, x1, y1, x, y);
    const double b = Cross(x1, y1, x2, y2, x, y);
    const double c = Cross(x2, y2, x0, y0, x, y);
    return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
  };
}

Shape Ring(Shape outer, Shape inner) {
  return [outer = std::move(outer), inner = std::move(inner)](double x, double y) {
    return outer(x, y) && !inner(x, y);
  };
}

}  // namespace skingen
