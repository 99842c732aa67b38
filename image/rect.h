#pragma once

namespace image {

// A rectangle of pixels: left and top inside, right and bottom just outside.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
};

inline Rect RectAt(int x, int y, int width, int height) {
  return {x, y, x + width, y + height};
}

}  // namespace image
