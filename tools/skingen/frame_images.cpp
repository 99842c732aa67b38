#include <cmath>

#include "skin/skin_keys.h"
#include "tools/skingen/raster.h"
#include "tools/skingen/skin_images.h"

namespace skingen {

namespace {

using image::Bitmap;

// Brushed metal: a fixed pseudo-random brightness for each row.
double Streak(int y) {
  const unsigned hash = (static_cast<unsigned>(y + 7) * 2654435761u) >> 20;
  return (static_cast<double>(hash % 19) - 9.0) / 100.0;
}

// The title's colour on row y of `height`, before its outline and edges.
Rgb TitleShade(const SkinDescription& skin, const Rgb& top, const Rgb& bottom, int y, int height) {
  const double t = static_cast<double>(y) / (height - 1);
  switch (skin.titleLook) {
    case TitleLook::kGradient:
      return Mix(top, bottom, t);
    case TitleLook::kGlossy:
      return t < 0.48 ? Mix(Lighter(top, 0.4), Lighter(top, 0.12), t / 0.48)
                      : Mix(top, bottom, (t - 0.48) / 0.52);
    case TitleLook::kGlass: {
      const Rgb base = Mix(top, bottom, t);
      return t < 0.4 ? Lighter(base, 0.35 * (1 - t / 0.4) + 0.05) : base;
    }
    case TitleLook::kBrushed: {
      const Rgb base = Mix(top, bottom, t);
      const double streak = Streak(y);
      return streak >= 0 ? Lighter(base, streak) : Darker(base, -streak);
    }
    case TitleLook::kFlat:
      return y == 1 ? Lighter(top, 0.18) : top;
  }
  return top;
}

class TitleDrawer {
 public:
  TitleDrawer(const SkinDescription& skin, const Palette& palette)
      : skin_(skin), p_(palette), height_(skin.titleHeight) {}

  // The title colours of row y, with the separator line at the bottom.
  Paint Body(bool plate) const {
    const Rgb top = plate ? p_.plateTop : p_.titleTop;
    const Rgb bottom = plate ? p_.plateBottom : p_.titleBottom;
    return [this, top, bottom](int, int y) {
      if (y == height_ - 1) {
        return Darker(p_.titleBottom, 0.3);
      }
      const Rgb shade = TitleShade(skin_, top, bottom, y, height_);
      return y == 1 ? Lighter(shade, 0.3) : shade;
    };
  }

  // A title piece `width` wide: outline along the top and, where the piece
  // ends the title, down its side, rounded when the skin has round corners.
  Bitmap Piece(int width, bool leftEnd, bool rightEnd, const Paint& body) const {
    Bitmap picture = TransparentPicture(width, height_);
    const double r = skin_.topRadius;
    const double reach = r + 3;
    const double left = leftEnd ? 0 : -reach;
    const double right = rightEnd ? width : width + reach;
    PaintShape(picture, TopRoundRect(left, 0, right, height_, r), Solid(p_.outline));
    const double innerLeft = leftEnd ? 1 : left;
    const double innerRight = rightEnd ? width - 1 : right;
    PaintShape(picture, TopRoundRect(innerLeft, 1, innerRight, height_, std::max(r - 1, 0.0)),
               body);
    return picture;
  }

  // Between the caption plate and the filler of a five-section title.
  Bitmap Ornament(int width) const {
    Bitmap picture = Piece(width, false, false, Body(false));
    const double h = height_;
    auto inner = [h](double y) { return y >= 1 && y < h - 1; };
    std::function<double(double)> edge;
    switch (skin_.ornament) {
      case Ornament::kWave:
        edge = [width, h](double y) { return width * 0.45 + std::sin(y / h * 3.4) * h * 0.28; };
        break;
      case Ornament::kDiamonds:
        edge = [width, h](double y) { return width * 0.18 + std::pow((y - h / 2) / h, 2) * h; };
        break;
      default:
        edge = [width, h](double y) { return width * 0.15 + (h - y) * 0.55; };
        break;
    }
    PaintShape(
        picture, [&](double x, double y) { return inner(y) && x < edge(y); }, Body(true));
    PaintShape(
        picture, [&](double x, double y) { return inner(y) && x >= edge(y) && x < edge(y) + 1.6; },
        Solid(Lighter(p_.accent, 0.2)));
    if (skin_.ornament == Ornament::kStripes) {
      for (double offset : {5.0, 9.0}) {
        PaintShape(
            picture,
            [&](double x, double y) {
              return inner(y) && x >= edge(y) + offset && x < edge(y) + offset + 2.2;
            },
            Solid(offset < 6 ? p_.accent : Lighter(p_.accent, 0.45)));
      }
    }
    if (skin_.ornament == Ornament::kDiamonds) {
      const double cy = h / 2;
      for (int i = 0; i < 3; ++i) {
        const double cx = edge(cy) + 7 + i * 8;
        const double size = 3.2 - i * 0.6;
        PaintShape(
            picture,
            [=](double x, double y) { return std::abs(x - cx) + std::abs(y - cy) <= size; },
            Solid(Lighter(p_.accent, 0.3 + i * 0.2)));
      }
    }
    return picture;
  }

  Bitmap MinimizedTitle() const {
    Bitmap picture = SolidPicture(48, height_, p_.outline);
    PaintShape(picture, RoundRect(1, 1, 47, height_ - 1, 0), Body(skin_.fiveSections));
    return picture;
  }

 private:
  const SkinDescription& skin_;
  const Palette& p_;
  int height_;
};

std::vector<SkinImage> TitleImages(const SkinDescription& skin, const Palette& p) {
  const TitleDrawer title(skin, p);
  const int rightEndWidth = std::max(12, skin.topRadius + 6);
  std::vector<SkinImage> images;
  images.push_back(
      {skin::kImageTitleBar1, title.Piece(36, true, false, title.Body(skin.fiveSections))});
  if (skin.fiveSections) {
    images.push_back({skin::kImageTitleBar2, title.Piece(8, false, false, title.Body(true))});
    images.push_back({skin::kImageTitleBar3, title.Ornament(skin.titleHeight + 14)});
    images.push_back({skin::kImageTitleBar4, title.Piece(8, false, false, title.Body(false))});
    images.push_back(
        {skin::kImageTitleBar5, title.Piece(rightEndWidth, false, true, title.Body(false))});
  } else {
    images.push_back({skin::kImageTitleBar2, title.Piece(8, false, false, title.Body(false))});
    images.push_back(
        {skin::kImageTitleBar3, title.Piece(rightEndWidth, false, true, title.Body(false))});
  }
  images.push_back({skin::kImageMinimizedTitle, title.MinimizedTitle()});
  return images;
}

// The colour of column x of a side border `width` wide, counted from the
// outside.
Rgb BorderColumn(const Palette& p, int x, int width) {
  if (x == 0) {
    return p.outline;
  }
  if (x == width - 1) {
    return Darker(p.frame, 0.3);
  }
  return x == 1 ? Lighter(p.frame, 0.3) : p.frame;
}

Bitmap SideBorder(const Palette& p, int width, bool left) {
  Bitmap picture(width, 4, 24);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.SetPixel(x, y, ToColorRef(BorderColumn(p, left ? x : width - 1 - x, width)));
    }
  }
  return picture;
}

// A bottom-border piece: the side borders' columns continue down where the
// piece ends the border, the outline runs along the bottom, the corners
// round off when the skin has round bottom corners.
Bitmap BottomPiece(const SkinDescription& skin, const Palette& p, int width, bool leftEnd,
                   bool rightEnd) {
  const int height = BottomBorderHeight(skin);
  const double r = skin.bottomRadius;
  Bitmap picture = TransparentPicture(width, height);
  const double reach = r + 3;
  auto paint = [&, width, height](int x, int y) {
    if (y == height - 1) {
      return p.outline;
    }
    const int fromLeft = leftEnd ? x : skin.border;
    const int fromRight = rightEnd ? width - 1 - x : skin.border;
    const int column = std::min(fromLeft, fromRight);
    if (column < skin.border - 1) {
      return BorderColumn(p, column, skin.border);
    }
    return y == 0 ? Darker(p.frame, 0.3) : (y == height - 2 ? Darker(p.frame, 0.12) : p.frame);
  };
  PaintShape(picture,
             RoundRect(leftEnd ? 0 : -reach, -reach, rightEnd ? width : width + reach, height, r),
             Solid(p.outline));
  PaintShape(picture,
             RoundRect(leftEnd ? 1 : -reach, -reach, rightEnd ? width - 1 : width + reach,
                       height - 1, std::max(r - 1, 0.0)),
             paint);
  return picture;
}

// Three dots in the bottom-right corner where the window is resized.
void AddGrip(Bitmap& picture, const Palette& p) {
  const int h = picture.Height();
  const int w = picture.Width();
  for (int i = 0; i < 3; ++i) {
    const double x = w - 6 - i * 3.0;
    PaintShape(picture, Ellipse(x - 1, h / 2.0 - 1, x + 1, h / 2.0 + 1),
               Solid(Lighter(p.frame, 0.5)));
  }
}

std::vector<SkinImage> BorderImages(const SkinDescription& skin, const Palette& p) {
  std::vector<SkinImage> images = {
      {skin::kImageFormLeftBorder, SideBorder(p, skin.border, true)},
      {skin::kImageFormRightBorder, SideBorder(p, skin.border, false)},
  };
  if (skin.threePartBottom) {
    const int end = std::max(16, skin.bottomRadius + skin.border + 2);
    Bitmap right = BottomPiece(skin, p, end, false, true);
    AddGrip(right, p);
    images.push_back({skin::kImageFormBottomBorder1, BottomPiece(skin, p, end, true, false)});
    images.push_back({skin::kImageFormBottomBorder2, BottomPiece(skin, p, 8, false, false)});
    images.push_back({skin::kImageFormBottomBorder3, std::move(right)});
  } else {
    // One strip of three equal parts: left end, middle, right end.
    const int part = skin.border + 2;
    const Bitmap strip =
        Strip({BottomPiece(skin, p, part, true, false), BottomPiece(skin, p, part, false, false),
               BottomPiece(skin, p, part, false, true)});
    images.push_back({skin::kImageFormBottomBorder1, std::move(strip)});
  }
  return images;
}

}  // namespace

int BottomBorderHeight(const SkinDescription& skin) {
  return std::max(skin.border + 1, skin.bottomRadius + 2);
}

std::vector<SkinImage> FrameImages(const SkinDescription& skin, const Palette& palette) {
  std::vector<SkinImage> images = TitleImages(skin, palette);
  for (SkinImage& image : BorderImages(skin, palette)) {
    images.push_back(std::move(image));
  }
  return images;
}

}  // namespace skingen
