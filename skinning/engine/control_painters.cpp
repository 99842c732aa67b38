#include "skinning/engine/control_painters.h"

#include <functional>

#include "skinning/painters/button_painter.h"
#include "skinning/painters/check_box_painter.h"
#include "skinning/painters/combo_box_painter.h"
#include "skinning/painters/common_control_painters.h"
#include "skinning/painters/list_view_painter.h"
#include "skinning/painters/progress_bar_painter.h"
#include "skinning/painters/scroll_painters.h"
#include "skinning/painters/tab_control_painter.h"
#include "skinning/painters/text_painters.h"
#include "skinning/painters/tool_bar_painter.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/list_view.h"
#include "ui/shell_tree_view.h"
#include "ui/std_controls.h"
#include "win/window_text.h"

namespace skinning {

namespace {

struct ClassRow {
  std::function<bool(const ui::TControl&)> matches;
  PainterKind kind;
};

template <class T>
ClassRow Row(PainterKind kind) {
  return {[](const ui::TControl& control) { return dynamic_cast<const T*>(&control) != nullptr; },
          kind};
}

// Searched from its end, so a class listed after its base wins.
const std::vector<ClassRow>& ClassTable() {
  // clang-format off
  static const std::vector<ClassRow> table = {
      Row<ui::TProgressBar>(PainterKind::kProgressBar),
      Row<ui::TGroupBox>(PainterKind::kGroupBox),
      Row<ui::TListView>(PainterKind::kListView),
      Row<ui::TShellTreeView>(PainterKind::kScrollWinControl),
      Row<ui::TComboBox>(PainterKind::kComboBox),
      Row<ui::TCheckBox>(PainterKind::kCheckBox),
      Row<ui::TEdit>(PainterKind::kScrollWinControl),
      Row<ui::TButton>(PainterKind::kButton),
      Row<ui::TLabel>(PainterKind::kLabel),
  };
  // clang-format on
  return table;
}

}  // namespace

PainterKind ControlPainterKind(const ui::TControl& control) {
  const auto& table = ClassTable();
  for (auto row = table.rbegin(); row != table.rend(); ++row) {
    if (row->matches(control)) {
      return row->kind;
    }
  }
  return PainterForControlClass(win::ClassNameOf(control.Handle()));
}

std::unique_ptr<TvxSkinControl> MakeControlPainter(TvxSkinWindow& window, ui::TControl& control) {
  switch (ControlPainterKind(control)) {
    case PainterKind::kButton:
      return std::make_unique<TvxSkinButton>(window, control);
    case PainterKind::kCheckBox:
      return std::make_unique<TvxSkinCheckBox>(window, control, false);
    case PainterKind::kComboBox:
      return std::make_unique<TvxSkinComboBox>(window, control);
    case PainterKind::kScrollWinControl:
      return std::make_unique<TvxSkinScrollWinControl>(window, control);
    case PainterKind::kGroupBox:
      return std::make_unique<TvxSkinGroupBox>(window, control);
    case PainterKind::kLabel:
      return std::make_unique<TvxSkinLabel>(window, control);
    case PainterKind::kListView:
      return std::make_unique<TvxSkinListView>(window, control);
    case PainterKind::kProgressBar:
      return std::make_unique<TvxSkinProgressBar>(window, control);
    case PainterKind::kScrollBar:
      return std::make_unique<TvxSkinScrollBar>(window, control);
    case PainterKind::kTrackBar:
      return std::make_unique<TvxSkinTrackBar>(window, control);
    case PainterKind::kUpDown:
      return std::make_unique<TvxSkinUpDown>(window, control);
    case PainterKind::kStatusBar:
      return std::make_unique<TvxSkinStatusBar>(window, control);
    case PainterKind::kTabControl:
      return std::make_unique<TvxSkinTabControl>(window, control);
    case PainterKind::kToolBar:
      return std::make_unique<TvxSkinToolBar>(window, control);
    case PainterKind::kDateTimePicker:
      return std::make_unique<TvxSkinDateTimePicker>(window, control);
    default:
      return nullptr;
  }
}

std::unique_ptr<TvxSkinControl> MakeWindowPainter(TvxSkinWindow& window, HWND control,
                                                  PainterKind kind) {
  switch (kind) {
    case PainterKind::kWndButton:
      return std::make_unique<TvxSkinWndButton>(window, control);
    case PainterKind::kWndCheckBox:
      return std::make_unique<TvxSkinWndCheckBox>(window, control, false);
    case PainterKind::kWndRadioButton:
      return std::make_unique<TvxSkinWndCheckBox>(window, control, true);
    case PainterKind::kWndComboBox:
      return std::make_unique<TvxSkinWndComboBox>(window, control);
    case PainterKind::kWndTabControl:
      return std::make_unique<TvxSkinWndTabControl>(window, control);
    case PainterKind::kWndToolBar:
      return std::make_unique<TvxSkinWndToolbarWindow32>(window, control);
    default:
      return nullptr;
  }
}

}  // namespace skinning
