#include "skinning/pictures/header_layout.h"

#include <algorithm>

namespace skinning {

namespace {

constexpr int kInset = 4;
constexpr int kRightInset = 8;
constexpr int kRightRoom = 12;

}  // namespace

int HeaderContentX(const HeaderColumn& column) {
  const int width = column.right - column.left;
  const int content = column.textWidth + column.imageWidth;
  switch (column.alignment) {
    case HeaderAlignment::kRight:
      return width - kRightRoom - content >= 0 ? width - kRightInset - content : kInset;
    case HeaderAlignment::kCenter:
      return std::max(kInset, (width - kRightInset - content) / 2);
    case HeaderAlignment::kLeft:
      break;
  }
  return kInset;
}

std::vector<int> HeaderLineColumns(const std::vector<HeaderColumn>& columns) {
  std::vector<int> lines;
  for (size_t i = 0; i < columns.size(); ++i) {
    lines.push_back(columns[i].right - 1);
    if (i + 1 < columns.size() && columns[i + 1].left == columns[i].right) {
      lines.push_back(columns[i].right - 2);
    }
  }
  return lines;
}

}  // namespace skinning
