#include <gtest/gtest.h>

#include <set>
#include <string>

#include "skinning/engine/painter_kind.h"
#include "skinning/engine/skin_file_search.h"
#include "skinning/engine/skin_metrics.h"
#include "tests/skin/model_skin_fixture.h"
#include "tests/skinning/portable/test_skins.h"

namespace skinning {
namespace {

TEST(SkinFileSearchTest, AsGivenThenTheNameInEachFolderInTurn) {
  struct Case {
    const char* name;
    std::set<std::string> existing;
    const char* found;
  };
  const std::vector<std::string> folders = {"C:\\Program\\", "C:\\Windows",
                                            "C:\\Windows\\System32\\"};
  const Case cases[] = {
      {"D:\\Skins\\Warm.ssk",
       {"D:\\Skins\\Warm.ssk", "C:\\Program\\Warm.ssk"},
       "D:\\Skins\\Warm.ssk"},
      {"D:\\Skins\\Warm.ssk", {"C:\\Program\\Warm.ssk"}, "C:\\Program\\Warm.ssk"},
      // A folder without its backslash gets one.
      {"Warm.ssk",
       {"C:\\Windows\\Warm.ssk", "C:\\Windows\\System32\\Warm.ssk"},
       "C:\\Windows\\Warm.ssk"},
      {"skins/Warm.ssk", {"C:\\Windows\\System32\\Warm.ssk"}, "C:\\Windows\\System32\\Warm.ssk"},
      {"D:\\Skins\\Warm.ssk", {"C:\\Program\\Silver.ssk"}, ""},
      {"", {"C:\\Program\\"}, ""},
      {"D:\\Skins\\", {"D:\\Skins\\", "C:\\Program\\"}, "D:\\Skins\\"},
  };
  for (const Case& c : cases) {
    const std::string found = FindSkinFile(
        c.name, folders, [&c](const std::string& path) { return c.existing.count(path) > 0; });
    EXPECT_EQ(c.found, found) << c.name;
  }
}

TEST(PainterKindTest, ChildWindowsOfDialogsByClassAndStyle) {
  struct Case {
    const char* className;
    uint32_t style;
    PainterKind kind;
    bool onFirstChild;
  };
  const Case cases[] = {
      {"Button", 0x0, PainterKind::kWndButton, false},           // push button
      {"BUTTON", 0x1, PainterKind::kWndButton, false},           // default push button
      {"button", 0x2, PainterKind::kWndCheckBox, false},         // check box
      {"Button", 0x3, PainterKind::kWndCheckBox, false},         // automatic check box
      {"Button", 0x4, PainterKind::kWndRadioButton, false},      // radio button
      {"Button", 0x5, PainterKind::kWndCheckBox, false},         // three states
      {"Button", 0x6, PainterKind::kWndCheckBox, false},         // automatic three states
      {"Button", 0x7, PainterKind::kNone, false},                // group box
      {"Button", 0x9, PainterKind::kWndRadioButton, false},      // automatic radio button
      {"Button", 0xB, PainterKind::kNone, false},                // owner-drawn
      {"Button", 0x50010003, PainterKind::kWndCheckBox, false},  // with window styles
      {"ComboBox", 0x1, PainterKind::kNone, false},              // simple
      {"ComboBox", 0x2, PainterKind::kWndComboBox, false},       // drop-down
      {"ComboBox", 0x3, PainterKind::kWndComboBox, false},       // drop-down list
      {"ComboBoxEx32", 0x2, PainterKind::kWndComboBox, true},
      {"SysTabControl32", 0, PainterKind::kWndTabControl, false},
      {"ToolbarWindow32", 0, PainterKind::kWndToolBar, false},
      {"msctls_progress32", 0, PainterKind::kNone, false},
      {"SysAnimate32", 0, PainterKind::kNone, false},
      {"Static", 0, PainterKind::kNone, false},
  };
  for (const Case& c : cases) {
    const PlainWindowPainter painter = PainterForWindowClass(c.className, c.style);
    EXPECT_EQ(c.kind, painter.kind) << c.className << " " << c.style;
    EXPECT_EQ(c.onFirstChild, painter.onFirstChild) << c.className;
  }
}

class SkinMetricsTest : public skin_test::ModelSkinTest {};

TEST_F(SkinMetricsTest, FrameSizesAndTheNarrowestForm) {
  using namespace skinning_test;
  LoadSkin(PlainSkinValues());
  const SkinMetrics metrics = ReadSkinMetrics(reader_);
  EXPECT_EQ(kTitleHeight, metrics.titleHeight);
  EXPECT_EQ(kLeftBorder, metrics.leftBorder);
  EXPECT_EQ(4, metrics.PaddedRight());
  EXPECT_EQ(kBottomBorder, metrics.PaddedBottom());
  EXPECT_EQ(kButtonWidth, metrics.buttonWidth);
  EXPECT_EQ(kButtonHeight, metrics.buttonHeight);
  EXPECT_EQ(kFormColor, metrics.formColor);
  EXPECT_EQ(MenuColor(skin::kColorSelectedMenu), metrics.MenuColor(skin::kColorSelectedMenu));
  // Three sections: the left end and the larger of the right end and three
  // buttons with 35 pixels.
  EXPECT_EQ(kTitleLeftWidth + std::max(kTitleRightWidth, 3 * kButtonWidth + 35),
            metrics.minFormWidth);

  // With no skin, nothing is drawn and nothing has a size.
  const SkinMetrics none = ReadSkinMetrics(skin::TvxSkinReader(tempNames_));
  EXPECT_EQ(0, none.titleHeight);
  EXPECT_EQ(4, none.PaddedLeft());
  EXPECT_EQ(0xFFFFFFFFu, none.formColor);
}

}  // namespace
}  // namespace skinning
