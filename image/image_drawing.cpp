#include "image/image_drawing.h"

#include <algorithm>
#include <array>
#include <optional>

namespace image {

namespace {

std::optional<ColorRef> MaskIf(bool masked, ColorRef transparent) {
  return masked ? std::optional<ColorRef>(transparent) : std::nullopt;
}

// One piece of a three-part copy along one axis: source run, destination run.
struct Span {
  int from;
  int fromLength;
  int to;
  int toLength;
};

// The caps and the middle of a source run of `length` drawn over `target`.
std::array<Span, 3> ThreeSpans(int length, int target, int cap) {
  const int kept = std::min(cap > 0 ? cap : length / 3, length);
  const int head = std::min(kept, target);
  const int tail = std::min(kept, target - head);
  return {{
      {0, head, 0, head},
      {length - tail, tail, target - tail, tail},
      {kept, length - 2 * kept, head, target - head - tail},
  }};
}

bool CanCopyThreePart(const Bitmap& source, const Rect& rect) {
  return !source.IsEmpty() && !rect.IsEmpty() && rect.left >= 0;
}

}  // namespace

void DrawNinePart(const Bitmap& source, Canvas& canvas, const Rect& destination,
                  ColorRef transparent, bool transparentCorners) {
  if (source.IsEmpty() || destination.IsEmpty()) {
    return;
  }
  const int w = source.Width();
  const int h = source.Height();
  const int cornerW = std::min(w / 2, destination.Width() / 2);
  const int cornerH = std::min(h / 2, destination.Height() / 2);
  const int middleW = w - 2 * (w / 2);
  const int middleH = h - 2 * (h / 2);
  const Rect& d = destination;
  const int innerLeft = d.left + cornerW;
  const int innerRight = d.right - cornerW;
  const int innerTop = d.top + cornerH;
  const int innerBottom = d.bottom - cornerH;

  const std::optional<ColorRef> cornerMask = MaskIf(transparentCorners, transparent);
  auto corner = [&](int fromX, int fromY, int toX, int toY) {
    canvas.Stretch(source, RectAt(fromX, fromY, cornerW, cornerH),
                   RectAt(toX, toY, cornerW, cornerH), cornerMask);
  };
  corner(0, 0, d.left, d.top);
  corner(w - cornerW, 0, innerRight, d.top);
  corner(0, h - cornerH, d.left, innerBottom);
  corner(w - cornerW, h - cornerH, innerRight, innerBottom);

  auto part = [&](const Rect& from, const Rect& to) {
    canvas.Stretch(source, from, to, transparent);
  };
  part(RectAt(w / 2, 0, middleW, cornerH), {innerLeft, d.top, innerRight, innerTop});
  part(RectAt(w / 2, h - cornerH, middleW, cornerH),
       {innerLeft, innerBottom, innerRight, d.bottom});
  part(RectAt(0, h / 2, cornerW, middleH), {d.left, innerTop, innerLeft, innerBottom});
  part(RectAt(w - cornerW, h / 2, cornerW, middleH), {innerRight, innerTop, d.right, innerBottom});
  part(RectAt(w / 2, h / 2, middleW, middleH), {innerLeft, innerTop, innerRight, innerBottom});
}

void DrawThreePartH(const Bitmap& source, Canvas& canvas, const Rect& rect, ColorRef transparent,
                    bool masked) {
  const int partW = source.Width() / 3;
  const int h = source.Height();
  if (partW <= 0 || rect.IsEmpty()) {
    return;
  }
  const std::optional<ColorRef> mask = MaskIf(masked, transparent);
  if (rect.Width() < partW) {
    canvas.Stretch(source, RectAt(0, 0, rect.Width(), h),
                   RectAt(rect.left, rect.top, rect.Width(), h), mask);
    return;
  }
  canvas.Stretch(source, RectAt(0, 0, partW, h), RectAt(rect.left, rect.top, partW, h), mask);
  canvas.Stretch(source, RectAt(2 * partW, 0, partW, h),
                 RectAt(rect.right - partW, rect.top, partW, h), mask);
  canvas.Stretch(source, RectAt(partW, 0, partW, h),
                 {rect.left + partW, rect.top, rect.right - partW, rect.top + h}, mask);
}

void CopyThreePartV(const Bitmap& source, Canvas& canvas, const Rect& rect, int cap) {
  if (!CanCopyThreePart(source, rect)) {
    return;
  }
  for (const Span& span : ThreeSpans(source.Height(), rect.Height(), cap)) {
    canvas.Stretch(source, RectAt(0, span.from, source.Width(), span.fromLength),
                   RectAt(rect.left, rect.top + span.to, rect.Width(), span.toLength));
  }
}

void CopyThreePartH(const Bitmap& source, Canvas& canvas, const Rect& rect, int cap) {
  if (!CanCopyThreePart(source, rect)) {
    return;
  }
  for (const Span& span : ThreeSpans(source.Width(), rect.Width(), cap)) {
    canvas.Stretch(source, RectAt(span.from, 0, span.fromLength, source.Height()),
                   RectAt(rect.left + span.to, rect.top, span.toLength, rect.Height()));
  }
}

}  // namespace image
