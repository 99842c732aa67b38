#pragma once

#include <vector>

namespace skinning {

enum class HeaderAlignment { kLeft, kRight, kCenter };

// A column of a list view's header as the skinned header lays it out, in
// header coordinates.
struct HeaderColumn {
  int left = 0;
  int right = 0;
  HeaderAlignment alignment = HeaderAlignment::kLeft;
  int imageWidth = 0;  // 0 without an image
  int textWidth = 0;
};

// The gap between a column's image and its caption.
constexpr int kHeaderImageGap = 2;

// Where a column's image (or, without one, its caption) starts, from the
// column's left edge: 4 pixels in when left-aligned; right-aligned 8
// pixels from the right edge when there is room for it, else 4 in;
// centred, but at least 4 in.
int HeaderContentX(const HeaderColumn& column);

// The columns of the header's lines: one at each column's last pixel, and
// one more just inside it where the next column starts right there.
std::vector<int> HeaderLineColumns(const std::vector<HeaderColumn>& columns);

}  // namespace skinning
