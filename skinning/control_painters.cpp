#include "skinning/control_painters.h"

#include <functional>

#include "skinning/skin_engine.h"

#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/list_view.h"
#include "ui/shell_tree_view.h"
#include "ui/std_controls.h"

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

// Until a kind has a painter of its own, its controls get one that draws
// nothing. Group boxes and labels already look the part: the parent's
// colour behind them and the skin's control text colour.
class PlainControlPainter final : public TvxSkinControlVCL {
 public:
  PlainControlPainter(TvxSkinWindow& window, ui::TControl& control, bool textOnParent)
      : TvxSkinControlVCL(window, control), textOnParent_(textOnParent) {}
  bool WantsParentColor() const override { return textOnParent_; }

  void SaveOwnColors() override {
    TvxSkinControlVCL::SaveOwnColors();
    ownFontColor_ = Control().Font().Color();
  }

  void UpdateLook() override {
    TvxSkinControlVCL::UpdateLook();
    if (!textOnParent_) {
      return;
    }
    const image::ColorRef skinned = Engine().Reader().Color(skin::kColorControlFont);
    const bool skinning = Engine().Skinning() && (skinned >> 24) == 0;
    const ui::TColor wanted = skinning ? skinned : ownFontColor_;
    if (Control().Font().Color() != wanted) {
      Control().Font().SetColor(wanted);
    }
  }

 private:
  bool textOnParent_;
  ui::TColor ownFontColor_ = ui::clWindowText;
};

}  // namespace

PainterKind ControlPainterKind(const ui::TControl& control) {
  const auto& table = ClassTable();
  for (auto row = table.rbegin(); row != table.rend(); ++row) {
    if (row->matches(control)) {
      return row->kind;
    }
  }
  return PainterKind::kNone;
}

std::unique_ptr<TvxSkinControl> MakeControlPainter(TvxSkinWindow& window, ui::TControl& control) {
  const PainterKind kind = ControlPainterKind(control);
  if (kind == PainterKind::kNone) {
    return nullptr;
  }
  const bool parentColor = kind == PainterKind::kGroupBox || kind == PainterKind::kLabel;
  return std::make_unique<PlainControlPainter>(window, control, parentColor);
}

std::unique_ptr<TvxSkinControl> MakeWindowPainter(TvxSkinWindow& window, HWND control,
                                                  PainterKind kind) {
  if (kind == PainterKind::kNone) {
    return nullptr;
  }
  return std::make_unique<TvxSkinControlWnd>(window, control);
}

}  // namespace skinning
