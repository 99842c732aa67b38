#include "skin/image_drawing.h"

#include <algorithm>
#include <array>
#include <optional>

namespace skin {

namespace {

std::optional<ColorRef> MaskIf(bool masked, ColorRef transparent) {
  return masked ? std::optional<ColorRef>(transparent) : std::nullopt;
}

// One piece of a three-part copy along one axis: source run, destination run.
struct Span {
  int from;
  int from_length;
  int to;
  int to_length;
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
                  ColorRef transparent, bool transparent_corners) {
  if (source.IsEmpty() || destination.IsEmpty()) {
    return;
  }
  const int w = source.Width();
  const int h = source.Height();
  const int corner_w = std::min(w / 2, destination.Width() / 2);
  const int corner_h = std::min(h / 2, destination.Height() / 2);
  const int middle_w = w - 2 * (w / 2);
  const int middle_h = h - 2 * (h / 2);
  const Rect& d = destination;
  const int inner_left = d.left + corner_w;
  const int inner_right = d.right - corner_w;
  const int inner_top = d.top + corner_h;
  const int inner_bottom = d.bottom - corner_h;

  const std::optional<ColorRef> corner_mask = MaskIf(transparent_corners, transparent);
  auto corner = [&](int from_x, int from_y, int to_x, int to_y) {
    canvas.Stretch(source, RectAt(from_x, from_y, corner_w, corner_h),
                   RectAt(to_x, to_y, corner_w, corner_h), corner_mask);
  };
  corner(0, 0, d.left, d.top);
  corner(w - corner_w, 0, inner_right, d.top);
  corner(0, h - corner_h, d.left, inner_bottom);
  corner(w - corner_w, h - corner_h, inner_right, inner_bottom);

  auto part = [&](const Rect& from, const Rect& to) {
    canvas.Stretch(source, from, to, transparent);
  };
  part(RectAt(w / 2, 0, middle_w, corner_h), {inner_left, d.top, inner_right, inner_top});
  part(RectAt(w / 2, h - corner_h, middle_w, corner_h),
       {inner_left, inner_bottom, inner_right, d.bottom});
  part(RectAt(0, h / 2, corner_w, middle_h), {d.left, inner_top, inner_left, inner_bottom});
  part(RectAt(w - corner_w, h / 2, corner_w, middle_h),
       {inner_right, inner_top, d.right, inner_bottom});
  part(RectAt(w / 2, h / 2, middle_w, middle_h),
       {inner_left, inner_top, inner_right, inner_bottom});
}

void DrawThreePartH(const Bitmap& source, Canvas& canvas, const Rect& rect, ColorRef transparent,
                    bool masked) {
  const int part_w = source.Width() / 3;
  const int h = source.Height();
  if (part_w <= 0 || rect.IsEmpty()) {
    return;
  }
  const std::optional<ColorRef> mask = MaskIf(masked, transparent);
  if (rect.Width() < part_w) {
    canvas.Stretch(source, RectAt(0, 0, rect.Width(), h),
                   RectAt(rect.left, rect.top, rect.Width(), h), mask);
    return;
  }
  canvas.Stretch(source, RectAt(0, 0, part_w, h), RectAt(rect.left, rect.top, part_w, h), mask);
  canvas.Stretch(source, RectAt(2 * part_w, 0, part_w, h),
                 RectAt(rect.right - part_w, rect.top, part_w, h), mask);
  canvas.Stretch(source, RectAt(part_w, 0, part_w, h),
                 {rect.left + part_w, rect.top, rect.right - part_w, rect.top + h}, mask);
}

void CopyThreePartV(const Bitmap& source, Canvas& canvas, const Rect& rect, int cap) {
  if (!CanCopyThreePart(source, rect)) {
    return;
  }
  for (const Span& span : ThreeSpans(source.Height(), rect.Height(), cap)) {
    canvas.Stretch(source, RectAt(0, span.from, source.Width(), span.from_length),
                   RectAt(rect.left, rect.top + span.to, rect.Width(), span.to_length));
  }
}

void CopyThreePartH(const Bitmap& source, Canvas& canvas, const Rect& rect, int cap) {
  if (!CanCopyThreePart(source, rect)) {
    return;
  }
  for (const Span& span : ThreeSpans(source.Width(), rect.Width(), cap)) {
    canvas.Stretch(source, RectAt(span.from, 0, span.from_length, source.Height()),
                   RectAt(rect.left + span.to, rect.top, span.to_length, rect.Height()));
  }
}

}  // namespace skin
