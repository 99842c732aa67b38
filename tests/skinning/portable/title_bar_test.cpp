#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skinning/frames/caption_text.h"
#include "skinning/frames/title_bar_layout.h"

namespace skinning {
namespace {

// A skin's title metrics: 16 x 14 buttons 6 pixels from the right edge at
// row 8, the icon at (6, 7), a 50-pixel plate for five-section titles.
SkinMetrics Metrics(bool fiveSections = false) {
  SkinMetrics metrics;
  metrics.titleHeight = 30;
  metrics.titlePlateWidth = 50;
  metrics.iconX = 6;
  metrics.iconY = 7;
  metrics.captionTop = 8;
  metrics.buttonX = 6;
  metrics.buttonY = 8;
  metrics.buttonWidth = 16;
  metrics.buttonHeight = 14;
  metrics.fiveSectionTitle = fiveSections;
  return metrics;
}

TitleBarState State(CaptionButtonSet buttons) {
  TitleBarState state;
  state.width = 400;
  state.buttons = buttons;
  state.showsIcon = true;
  return state;
}

struct ButtonPlace {
  TitleHit kind;
  int left;
  int frame;
};

std::vector<ButtonPlace> Places(const TitleBarLayout& layout) {
  std::vector<ButtonPlace> places;
  for (const CaptionButton& button : layout.buttons) {
    places.push_back({button.kind, button.rect.left, button.frame});
  }
  return places;
}

bool operator==(const ButtonPlace& a, const ButtonPlace& b) {
  return a.kind == b.kind && a.left == b.left && a.frame == b.frame;
}

std::ostream& operator<<(std::ostream& out, const ButtonPlace& place) {
  return out << "{" << static_cast<int>(place.kind) << " at " << place.left << " frame "
             << place.frame << "}";
}

TEST(TitleBarLayoutTest, ButtonsFromTheRightWithTheirFrames) {
  using H = TitleHit;
  struct Case {
    const char* name;
    CaptionButtonSet buttons;
    bool restorable;
    TitleHit hover;
    bool pressed;
    std::vector<ButtonPlace> places;
    int buttonSpace;
  };
  // The first button's left edge: 400 - 6 - 16 = 378; each next 18 further.
  const Case cases[] = {
      {"all four",
       {true, true, true, true},
       false,
       H::kNone,
       false,
       {{H::kClose, 378, 16}, {H::kMaximize, 360, 7}, {H::kMinimize, 342, 13}, {H::kHelp, 324, 4}},
       3 * 16 + 2 * 2 + 15},
      {"maximized shows restore",
       {true, true, false, false},
       true,
       H::kNone,
       false,
       {{H::kClose, 378, 16}, {H::kMaximize, 360, 10}},
       2 * 16 + 2 + 15},
      {"hot",
       {true, false, true, false},
       false,
       H::kMinimize,
       false,
       {{H::kClose, 378, 16}, {H::kMinimize, 360, 14}},
       2 * 16 + 2 + 15},
      {"pressed",
       {true, false, true, false},
       false,
       H::kClose,
       true,
       {{H::kClose, 378, 18}, {H::kMinimize, 360, 13}},
       2 * 16 + 2 + 15},
      {"help alone keeps no space",
       {false, false, false, true},
       false,
       H::kNone,
       false,
       {{H::kHelp, 378, 4}},
       15},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TitleBarState state = State(c.buttons);
    state.restorable = c.restorable;
    state.hover = c.hover;
    state.pressed = c.pressed;
    const TitleBarLayout layout = LayoutTitleBar(Metrics(), state);
    EXPECT_EQ(c.places, Places(layout));
    EXPECT_EQ(c.buttonSpace, layout.buttonSpace);
    for (const CaptionButton& button : layout.buttons) {
      EXPECT_EQ(8, button.rect.top);
      EXPECT_EQ(14, button.rect.Height());
    }
  }
}

TEST(TitleBarLayoutTest, IconCaptionAndTheRoomForTheCaption) {
  TitleBarState state = State({true, false, true, false});
  const TitleBarLayout layout = LayoutTitleBar(Metrics(), state);
  EXPECT_EQ(image::RectAt(6, 7, 16, 16).left, layout.icon.left);
  EXPECT_EQ(7, layout.icon.top);
  EXPECT_EQ(6 + 18, layout.captionLeft);
  EXPECT_EQ(8, layout.captionTop);
  EXPECT_EQ(400 - 24 - layout.buttonSpace - 4, layout.captionRoom);

  // A five-section title keeps room for the plate after the caption.
  EXPECT_EQ(layout.captionRoom - 50, LayoutTitleBar(Metrics(true), state).captionRoom);

  // Without an icon the caption starts where the icon would.
  state.showsIcon = false;
  const TitleBarLayout plain = LayoutTitleBar(Metrics(), state);
  EXPECT_TRUE(plain.icon.IsEmpty());
  EXPECT_EQ(6, plain.captionLeft);
}

TEST(TitleBarLayoutTest, MinimizedWindowCentresIconAndButtonsInItsBar) {
  TitleBarState state = State({true, true, true, false});
  state.minimized = true;
  state.restorable = true;
  state.width = 160;
  const TitleBarLayout layout = LayoutTitleBar(Metrics(), state);
  // (26 - 14) / 2 = 6, and 6 + 14 is below 22: 2 lower.
  EXPECT_EQ(8, layout.icon.top);
  ASSERT_EQ(3u, layout.buttons.size());
  EXPECT_EQ(8, layout.buttons[0].rect.top);
  EXPECT_EQ(160 - 16 - 5, layout.buttons[0].rect.left);
  EXPECT_EQ(10, layout.buttons[1].frame);  // restore
  EXPECT_EQ(4, layout.captionTop);
}

TEST(TitleBarLayoutTest, HitTestingFindsButtonsAndIconAndNothingBetween) {
  const TitleBarLayout layout = LayoutTitleBar(Metrics(), State({true, true, true, false}));
  struct Case {
    int x;
    int y;
    TitleHit hit;
  };
  const Case cases[] = {
      {378, 8, TitleHit::kClose},     {393, 21, TitleHit::kClose},    {394, 8, TitleHit::kNone},
      {377, 8, TitleHit::kNone},  // the gap
      {370, 15, TitleHit::kMaximize}, {350, 15, TitleHit::kMinimize}, {380, 7, TitleHit::kNone},
      {380, 22, TitleHit::kNone},     {10, 10, TitleHit::kIcon},      {200, 15, TitleHit::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.hit, HitTestTitleBar(layout, c.x, c.y)) << c.x << ", " << c.y;
  }
}

TEST(CaptionTextTest, KeepsTheLongestBeginningThatFitsWithDots) {
  // 7 pixels a character, "..." 21.
  const TextWidth width = [](const std::wstring& text) {
    return static_cast<int>(text.size()) * 7;
  };
  struct Case {
    const wchar_t* text;
    int room;
    const wchar_t* shown;
  };
  const Case cases[] = {
      {L"Vexmoor", 49, L"Vexmoor"},  // fits exactly
      {L"Vexmoor", 48, L"Vex..."},
      {L"A long window caption", 70, L"A long ..."},
      {L"Vexmoor", 27, L"..."},  // no character fits with the dots
      {L"Vexmoor", 20, L""},     // not even the dots
      {L"", 0, L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.shown, ShortenCaption(c.text, c.room, width)) << c.room;
    EXPECT_LE(width(ShortenCaption(c.text, c.room, width)), std::max(c.room, 0));
  }
}

TEST(CaptionTextTest, NeverCutsACharacterBeyondTheBasicPlane) {
  const TextWidth width = [](const std::wstring& text) {
    return static_cast<int>(text.size()) * 7;
  };
  // "ab" and a character written as two units: the cut lands between them.
  const std::wstring text =
      L"ab\xD83D\xDE00"
      L"cdef";
  EXPECT_EQ(L"ab...", ShortenCaption(text, 6 * 7, width));
}

}  // namespace
}  // namespace skinning
