#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/bitmap.h"
#include "image/canvas.h"
#include "skin/skin_progress_bar_res.h"
#include "skin/skin_scroll_btn_res.h"
#include "skinning/pictures/button_picture.h"
#include "skinning/pictures/check_box_picture.h"
#include "skinning/pictures/header_layout.h"
#include "skinning/pictures/progress_bar_picture.h"
#include "skinning/pictures/scroll_bar_picture.h"
#include "tests/skin/model_skin_fixture.h"
#include "tests/skinning/portable/test_skins.h"

namespace skinning {
namespace {

using namespace skinning_test;

// The controls of the test skin composed on a picture as the painters
// compose them.
class ControlPictureTest : public skin_test::ModelSkinTest {
 protected:
  void SetUp() override { LoadSkin(PlainSkinValues()); }

  image::Canvas Picture(int width, int height) {
    picture_ = image::Bitmap(width, height, 24);
    return image::Canvas(picture_);
  }
  image::ColorRef At(int x, int y) const { return picture_.Pixel(x, y); }

  image::Bitmap picture_;
};

TEST_F(ControlPictureTest, ButtonFaceIsTheFrameOfItsStateDrawnNinePartOnTheFormColour) {
  struct Case {
    bool hot;
    bool pressed;
    int frame;
  };
  const Case cases[] = {{false, false, 1}, {true, false, 2}, {true, true, 3}, {false, true, 3}};
  for (const Case& c : cases) {
    const int frame = ButtonFrame(c.hot, c.pressed);
    EXPECT_EQ(c.frame, frame) << c.hot << c.pressed;
    image::Canvas canvas = Picture(40, 20);
    DrawButtonFace(reader_, canvas, {0, 0, 40, 20}, frame);
    EXPECT_EQ(kFormColor, At(0, 0)) << "transparent corner pixel, frame " << frame;
    EXPECT_EQ(FaceCornerColor(frame), At(1, 1)) << frame;
    EXPECT_EQ(FaceCornerColor(frame), At(39, 19)) << frame;
    EXPECT_EQ(FaceEdgeColor(frame), At(20, 0)) << "top edge stretched, frame " << frame;
    EXPECT_EQ(FaceEdgeColor(frame), At(0, 10)) << "left edge stretched, frame " << frame;
    EXPECT_EQ(FaceCentreColor(frame), At(20, 10)) << frame;
  }
}

TEST_F(ControlPictureTest, FocusRectangleIsFivePixelsInsideAndMovesWhilePressed) {
  const image::Rect client{0, 0, 80, 25};
  const image::Rect normal = ButtonFocusRect(client, false);
  const image::Rect pressed = ButtonFocusRect(client, true);
  EXPECT_EQ(5, normal.left);
  EXPECT_EQ(5, normal.top);
  EXPECT_EQ(75, normal.right);
  EXPECT_EQ(20, normal.bottom);
  EXPECT_EQ(6, pressed.left);
  EXPECT_EQ(21, pressed.bottom);
}

TEST(GlyphLayoutTest, GlyphAndCaptionAsABitmapButtonLaysThemOut) {
  struct Case {
    const char* what;
    TButtonLayout layout;
    int margin;
    int spacing;
    bool rightToLeft;
    int textWidth;
    GlyphLayout expected;
  };
  // A 100 x 30 button, a 16 x 16 glyph and a caption 40 x 12.
  const Case cases[] = {
      {"left, centred together", TButtonLayout::blGlyphLeft, -1, 4, false, 40, {20, 7, 40, 9}},
      {"right, centred together", TButtonLayout::blGlyphRight, -1, 4, false, 40, {64, 7, 20, 9}},
      {"left reads as right, right to left",
       TButtonLayout::blGlyphLeft,
       -1,
       4,
       true,
       40,
       {64, 7, 20, 9}},
      {"margin given", TButtonLayout::blGlyphLeft, 3, 4, false, 40, {3, 7, 23, 9}},
      {"even spread", TButtonLayout::blGlyphLeft, -1, -1, false, 40, {14, 7, 44, 9}},
      {"margin given, spacing spread", TButtonLayout::blGlyphLeft, 3, -1, false, 40, {3, 7, 39, 9}},
      {"no caption: no spacing", TButtonLayout::blGlyphLeft, -1, 4, false, 0, {42, 7, 58, 9}},
      {"top", TButtonLayout::blGlyphTop, -1, 4, false, 40, {42, 0, 30, 20}},
  };
  for (const Case& c : cases) {
    GlyphLayoutRequest request;
    request.clientWidth = 100;
    request.clientHeight = 30;
    request.glyphWidth = 16;
    request.glyphHeight = 16;
    request.textWidth = c.textWidth;
    request.textHeight = c.textWidth ? 12 : 0;
    request.layout = c.layout;
    request.margin = c.margin;
    request.spacing = c.spacing;
    request.rightToLeft = c.rightToLeft;
    const GlyphLayout placed = LayOutGlyphAndCaption(request);
    EXPECT_EQ(c.expected.glyphX, placed.glyphX) << c.what;
    EXPECT_EQ(c.expected.glyphY, placed.glyphY) << c.what;
    EXPECT_EQ(c.expected.textX, placed.textX) << c.what;
    if (c.textWidth) {
      EXPECT_EQ(c.expected.textY, placed.textY) << c.what;
    }
  }
}

TEST_F(ControlPictureTest, CheckBoxAndRadioFramesByStateAndBoxPlace) {
  struct Case {
    CheckState state;
    bool enabled;
    int checkBox;
    int radio;  // 0: no radio state
  };
  const Case cases[] = {
      {CheckState::kChecked, true, 1, 1},   {CheckState::kGrayed, true, 2, 0},
      {CheckState::kUnchecked, true, 3, 2}, {CheckState::kChecked, false, 4, 3},
      {CheckState::kGrayed, false, 5, 0},   {CheckState::kUnchecked, false, 6, 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.checkBox, CheckBoxFrame(c.state, c.enabled));
    if (c.radio) {
      EXPECT_EQ(c.radio, RadioButtonFrame(c.state == CheckState::kChecked, c.enabled));
    }
    image::Canvas canvas = Picture(kMinBoxSize, kMinBoxSize);
    DrawBox(reader_, canvas, {0, 0, kMinBoxSize, kMinBoxSize}, false, c.checkBox, 0x123456);
    EXPECT_EQ(CheckBoxFrameColor(c.checkBox), At(0, 0));
    EXPECT_EQ(CheckBoxFrameColor(c.checkBox), At(kCheckBoxSize - 1, kCheckBoxSize - 1));
    EXPECT_EQ(0x123456u, At(kMinBoxSize - 1, kMinBoxSize - 1)) << "the rest of the box";
  }

  const image::Rect left = BoxRect(100, 17, 13, 13, BoxAtLeft(false, false));
  EXPECT_EQ(0, left.left);
  EXPECT_EQ(2, left.top);
  const image::Rect right = BoxRect(100, 17, 13, 13, BoxAtLeft(true, false));
  EXPECT_EQ(100 - 13 - 1, right.left);
  EXPECT_FALSE(BoxAtLeft(false, true)) << "text right of the box, reading right to left";
  EXPECT_TRUE(BoxAtLeft(true, true));
}

// A vertical bar 16 x 120 with the thumb from row `top`, `length` rows.
class ScrollBarPictureTest : public ControlPictureTest {
 protected:
  void SetUp() override {
    ControlPictureTest::SetUp();
    pictures_.SetReader(&reader_);
  }
  void Draw(int top, int length) {
    image::Canvas canvas = Picture(16, 120);
    DrawScrollBar(pictures_, kScrollBarColor, canvas, {0, 0, 16, 120},
                  image::RectAt(2, top, kThumbWidth, length), true);
  }
  // The piece colours down the thumb's middle column, one per row.
  std::vector<image::ColorRef> ThumbColumn(int top, int length) const {
    std::vector<image::ColorRef> column;
    for (int y = top; y < top + length; ++y) {
      column.push_back(At(8, y));
    }
    return column;
  }
  std::vector<image::ColorRef> Rows(std::initializer_list<std::pair<int, int>> runs) const {
    std::vector<image::ColorRef> rows;
    for (auto [piece, count] : runs) {
      rows.insert(rows.end(), count, ThumbPieceColor(piece));
    }
    return rows;
  }

  skin::TvxSkinScrollBtnRes pictures_;
};

TEST_F(ScrollBarPictureTest, ArrowsAtTheEndsAndTheBarColourBetween) {
  Draw(40, 30);
  EXPECT_EQ(ScrollArrowColor(1), At(0, 0));
  EXPECT_EQ(ScrollArrowColor(1), At(15, 15));
  EXPECT_EQ(ScrollArrowColor(4), At(0, 104));
  EXPECT_EQ(ScrollArrowColor(4), At(15, 119));
  EXPECT_EQ(kScrollBarColor, At(8, 16));
  EXPECT_EQ(kScrollBarColor, At(0, 50)) << "beside the thumb";
}

TEST_F(ScrollBarPictureTest, ThumbPiecesByTheThumbsLength) {
  // Pieces: 1 and 5 three rows, 2 and 4 six, the grip 3 six (its last row
  // the lower filler's colour).
  struct Case {
    const char* what;
    int length;
    std::vector<image::ColorRef> expected;
  };
  const Case cases[] = {
      {"long: fillers stretched around the grip in the middle", 30,
       Rows({{1, 3}, {2, 9}, {3, 5}, {4, 10}, {5, 3}})},
      {"room for the grip alone: stretched between the caps", 9, Rows({{1, 3}, {3, 3}, {5, 3}})},
      {"shorter than the caps: both cut, nothing between", 4, Rows({{1, 2}, {5, 2}})},
      {"one row: the start cap's first row", 1, Rows({{1, 1}})},
  };
  for (const Case& c : cases) {
    Draw(40, c.length);
    EXPECT_EQ(c.expected, ThumbColumn(40, c.length)) << c.what;
    EXPECT_EQ(kScrollBarColor, At(8, 40 + c.length)) << c.what << ": below the thumb";
  }
}

TEST_F(ControlPictureTest, ProgressBarFillsItsSpanFromTheStart) {
  skin::TvxSkinProgressBarRes pieces;
  pieces.SetReader(&reader_);
  const int width = 109;  // a span of 100 between the ends
  struct Case {
    int minimum;
    int maximum;
    int position;
    int filledEnd;
  };
  const Case cases[] = {
      {0, 100, 0, kProgressStart},         {0, 100, 50, kProgressStart + 50},
      {0, 100, 100, width - kProgressEnd}, {10, 20, 15, kProgressStart + 50},
      {5, 5, 5, kProgressStart},  // no range: nothing filled
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.filledEnd,
              FilledEnd(width, kProgressStart, kProgressEnd, c.minimum, c.maximum, c.position));
    ProgressState state;
    state.width = width;
    state.height = 17;
    state.minimum = c.minimum;
    state.maximum = c.maximum;
    state.position = c.position;
    image::Canvas canvas = Picture(width, 17);
    DrawProgressBar(pieces, kFormColor, canvas, state);
    EXPECT_EQ(ProgressPieceColor(1), At(0, 8));
    EXPECT_EQ(ProgressPieceColor(4), At(width - 1, 8));
    if (c.filledEnd > kProgressStart) {
      EXPECT_EQ(ProgressPieceColor(2), At(c.filledEnd - 1, 8)) << c.position;
    }
    if (c.filledEnd < width - kProgressEnd) {
      EXPECT_EQ(ProgressPieceColor(3), At(c.filledEnd, 8)) << c.position;
    }
  }
}

TEST_F(ControlPictureTest, VerticalProgressBarFillsFromTheBottom) {
  skin::TvxSkinProgressBarRes pieces;
  pieces.SetReader(&reader_);
  ProgressState state;
  state.width = 17;
  state.height = 109;
  state.position = 25;
  state.vertical = true;
  image::Canvas canvas = Picture(17, 109);
  DrawProgressBar(pieces, kFormColor, canvas, state);
  EXPECT_EQ(ProgressPieceColor(1), At(8, 108));
  EXPECT_EQ(ProgressPieceColor(2), At(8, 109 - kProgressStart - 1));
  EXPECT_EQ(ProgressPieceColor(2), At(8, 109 - kProgressStart - 25));
  EXPECT_EQ(ProgressPieceColor(3), At(8, 109 - kProgressStart - 26));
  EXPECT_EQ(ProgressPieceColor(4), At(8, 0));
}

TEST(HeaderLayoutTest, ContentPlacedByAlignmentAndLinesAtTheColumnsEdges) {
  struct Case {
    HeaderAlignment alignment;
    int width;
    int imageWidth;
    int textWidth;
    int x;
  };
  const Case cases[] = {
      {HeaderAlignment::kLeft, 100, 0, 40, 4},
      {HeaderAlignment::kRight, 100, 0, 40, 52},
      {HeaderAlignment::kRight, 100, 16, 40, 36},
      {HeaderAlignment::kRight, 50, 0, 40, 4},  // no room for the right inset
      {HeaderAlignment::kCenter, 100, 0, 40, 26},
      {HeaderAlignment::kCenter, 40, 0, 40, 4},
  };
  for (const Case& c : cases) {
    HeaderColumn column{10, 10 + c.width, c.alignment, c.imageWidth, c.textWidth};
    EXPECT_EQ(c.x, HeaderContentX(column)) << static_cast<int>(c.alignment) << " " << c.width;
  }
  const std::vector<HeaderColumn> columns = {{0, 50}, {50, 120}, {130, 200}};
  EXPECT_EQ((std::vector<int>{49, 48, 119, 199}), HeaderLineColumns(columns));
}

}  // namespace
}  // namespace skinning
