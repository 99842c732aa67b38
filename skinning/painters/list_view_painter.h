#pragma once

#include <memory>

#include "skinning/engine/window_proc_link.h"
#include "skinning/painters/dib_buffer.h"
#include "skinning/painters/scroll_painters.h"

namespace skinning {

// List views: the border and scroll bars of every scrolling control, and
// the column header painted whole: each column in the form colour with its
// image and caption (shortened with "..." to fit) placed by the column's
// alignment, a line in the control border colour at its right edge, and
// one along the header's bottom row. Captions are in the system menu
// font and the skin's control text colour.
class TvxSkinListView final : public TvxSkinScrollWinControl {
 public:
  TvxSkinListView(TvxSkinWindow& window, ui::TControl& control);
  ~TvxSkinListView() override;

  HWND Header() const { return header_; }
  // The header as last painted.
  const DibBuffer& HeaderPicture() const { return headerPicture_; }

 private:
  void HeaderMessage(ui::TMessage& message, const ui::TWndMethod& next);
  // Composes the header and puts it on `target`, its client area.
  void PaintHeader(HDC target);
  void DrawColumn(int index, const RECT& item, HIMAGELIST images);

  HWND header_;
  DibBuffer headerPicture_;
  // Last: taken out first.
  std::unique_ptr<SubclassLink> headerLink_;
};

}  // namespace skinning
