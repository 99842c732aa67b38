#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "skinning/engine/control_painters.h"
#include "skinning/painters/button_painter.h"
#include "skinning/painters/check_box_painter.h"
#include "skinning/painters/combo_box_painter.h"
#include "skinning/painters/dib_buffer.h"
#include "skinning/painters/list_view_painter.h"
#include "skinning/painters/scroll_painters.h"
#include "tests/skinning/skinned_form_fixture.h"
#include "tests/support/window_driver.h"
#include "ui/combo_box.h"
#include "ui/dialogs.h"
#include "ui/list_view.h"
#include "win/gdi.h"

namespace skinning_test {
namespace {

// A standard control the window layer has no type of its own for.
class TestScrollBar : public ui::TControl {
 public:
  TestScrollBar(ui::TControl* parent, const ui::TBounds& bounds)
      : ui::TControl(parent, ui::TWindowClass{L"SCROLLBAR", SBS_VERT}, bounds, "") {}
};

// Of the window's client area.
COLORREF ScreenPixel(HWND window, int x, int y) {
  POINT at{x, y};
  ClientToScreen(window, &at);
  return ShownPixel(window, at);
}

// Of the window, non-client area included.
COLORREF WindowPixel(HWND window, int x, int y) {
  ShowOnScreen();
  const win::WindowDC dc(window);
  return GetPixel(dc.Get(), x, y);
}

// The test form with a control of each kind the program's windows use,
// skinned with the plain test skin.
class PainterTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    ui::Application().Initialize();
    ui::Application().SetOnException([this](const std::string& text) { errors.push_back(text); });
    TestFormOptions options;
    options.withEngine = false;
    form = std::make_unique<TestForm>(options);
    checkBox = new ui::TCheckBox(form.get(), {{100, 10, 90, 17}, "Check"});
    leftCheckBox = new ui::TCheckBox(
        form.get(), {{195, 10, 100, 17}, "Left", false, ui::TAlignment::taLeftJustify});
    progressBar = new ui::TProgressBar(form.get(), {{100, 30, 109, 14}});
    scrollBar = new TestScrollBar(form.get(), {280, 155, 16, 45});
    comboBox = new ui::TComboBox(form.get(), {{10, 155, 100, 21}, {"one", "two", "three"}, 0});
    edit = new ui::TEdit(form.get(), {{120, 155, 80, 21}, "text"});
    ui::TListViewOptions list;
    list.bounds = {120, 10, 150, 80};
    list.columns = {{"Files", 100}};
    listView = new ui::TListView(form->groupBox, list);
    for (int i = 0; i < 30; ++i) {
      listView->AddItem("file " + std::to_string(i));
    }
    form->engine = new skinning::TvxSkinEngine(form.get());
    form->engine->SetActive(true);
    form->engine->Loaded();
    form->Show();
    Pump(50);
    LoadTestSkin("plain.ssk");
    Pump(50);
  }

  template <class Painter>
  Painter& PainterOf(const ui::TControl& control) {
    for (const auto& painter : Skinned().Painters()) {
      if (painter->GetHandle() == control.Handle()) {
        auto* found = dynamic_cast<Painter*>(painter.get());
        if (found) {
          return *found;
        }
      }
    }
    ADD_FAILURE() << "no painter of that kind";
    throw std::logic_error("no painter");
  }

  LRESULT Send(const ui::TControl& control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(control.Handle(), message, wParam, lParam);
  }

  ui::TCheckBox* checkBox;
  ui::TCheckBox* leftCheckBox;
  ui::TProgressBar* progressBar;
  TestScrollBar* scrollBar;
  ui::TComboBox* comboBox;
  ui::TEdit* edit;
  ui::TListView* listView;
};

// Away from the caption and the focus rectangle.
constexpr int kFaceX = 10;
constexpr int kFaceY = 12;

TEST_F(PainterTest, ButtonShowsTheFrameOfItsStateOnScreen) {
  skinning::TvxSkinButton& painter = PainterOf<skinning::TvxSkinButton>(*form->button);
  HWND button = form->button->Handle();
  struct Step {
    const char* what;
    UINT message;
    int frame;
  };
  const Step steps[] = {
      {"normal", WM_PAINT, 1},
      {"hot", WM_MOUSEMOVE, 2},
      {"pressed", WM_LBUTTONDOWN, 3},
      {"released over it", WM_LBUTTONUP, 2},
  };
  for (const Step& step : steps) {
    if (step.message == WM_PAINT) {
      PaintNow(button);
    } else {
      Send(*form->button, step.message, step.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
           MAKELPARAM(40, 12));
    }
    const skinning::DibBuffer& picture = painter.Picture();
    EXPECT_EQ(FaceCentreColor(step.frame), picture.Pixel(kFaceX, kFaceY)) << step.what;
    EXPECT_EQ(FaceCornerColor(step.frame), picture.Pixel(1, 1)) << step.what;
    EXPECT_EQ(FaceEdgeColor(step.frame), picture.Pixel(40, 0)) << step.what;
    EXPECT_EQ(kFormColor, picture.Pixel(0, 0)) << step.what << ": the corner's transparent pixel";
    EXPECT_EQ(FaceCentreColor(step.frame), ScreenPixel(button, kFaceX, kFaceY)) << step.what;
  }
  bool captionDrawn = false;
  for (int x = 0; x < painter.Picture().Width() && !captionDrawn; ++x) {
    for (int y = 0; y < painter.Picture().Height() && !captionDrawn; ++y) {
      captionDrawn = painter.Picture().Pixel(x, y) == kButtonFontColor;
    }
  }
  EXPECT_TRUE(captionDrawn);
}

TEST_F(PainterTest, ButtonClicksOnAPressReleasedOverItAndOnSpaceAndReturn) {
  HWND button = form->button->Handle();
  const LPARAM inside = MAKELPARAM(40, 12);
  const LPARAM outside = MAKELPARAM(200, 12);
  using Action = std::function<void()>;
  auto send = [&](UINT message, WPARAM wParam, LPARAM lParam) -> Action {
    return [=] { SendMessageW(button, message, wParam, lParam); };
  };
  auto focus = [&](HWND window) -> Action { return [=] { SetFocus(window); }; };
  struct Case {
    const char* what;
    std::vector<Action> actions;
    int clicks;
  };
  const Case cases[] = {
      {"pressed and released over it",
       {send(WM_LBUTTONDOWN, MK_LBUTTON, inside), send(WM_LBUTTONUP, 0, inside)},
       1},
      {"released elsewhere",
       {send(WM_LBUTTONDOWN, MK_LBUTTON, inside), send(WM_MOUSEMOVE, MK_LBUTTON, outside),
        send(WM_LBUTTONUP, 0, outside)},
       0},
      {"dragged out and back",
       {send(WM_LBUTTONDOWN, MK_LBUTTON, inside), send(WM_MOUSEMOVE, MK_LBUTTON, outside),
        send(WM_MOUSEMOVE, MK_LBUTTON, inside), send(WM_LBUTTONUP, 0, inside)},
       1},
      {"released over it without a press there", {send(WM_LBUTTONUP, 0, inside)}, 0},
      {"double click: two presses",
       {send(WM_LBUTTONDOWN, MK_LBUTTON, inside), send(WM_LBUTTONUP, 0, inside),
        send(WM_LBUTTONDBLCLK, MK_LBUTTON, inside), send(WM_LBUTTONUP, 0, inside)},
       2},
      {"space with the focus",
       {focus(button), send(WM_KEYDOWN, VK_SPACE, 0), send(WM_KEYUP, VK_SPACE, 0)},
       1},
      {"space without the focus",
       {focus(checkBox->Handle()), send(WM_KEYDOWN, VK_SPACE, 0), send(WM_KEYUP, VK_SPACE, 0)},
       0},
      {"return character", {focus(button), send(WM_CHAR, 13, 0)}, 1},
      {"the system's click message", {send(BM_CLICK, 0, 0)}, 1},
  };
  SetActiveWindow(form->Handle());
  for (const Case& c : cases) {
    form->clicks = 0;
    for (const Action& action : c.actions) {
      action();
    }
    Pump(20);
    EXPECT_EQ(c.clicks, form->clicks) << c.what;
    EXPECT_NE(button, GetCapture()) << c.what;
    EXPECT_EQ(0, PainterOf<skinning::TvxSkinButton>(*form->button).State() &
                     skinning::TvxSkinControl::kPressed)
        << c.what;
  }
}

TEST_F(PainterTest, CheckBoxShowsTheFrameOfItsStateDisabledGrayedIncluded) {
  Send(*checkBox, BM_SETSTYLE, BS_AUTO3STATE, TRUE);
  auto& painter = PainterOf<skinning::TvxSkinCheckBox>(*checkBox);
  struct Case {
    WPARAM check;
    bool enabled;
    int frame;
  };
  const Case cases[] = {
      {BST_CHECKED, true, 1},  {BST_INDETERMINATE, true, 2},  {BST_UNCHECKED, true, 3},
      {BST_CHECKED, false, 4}, {BST_INDETERMINATE, false, 5}, {BST_UNCHECKED, false, 6},
  };
  const int middle = checkBox->Height() / 2;
  for (const Case& c : cases) {
    checkBox->SetEnabled(c.enabled);
    Send(*checkBox, BM_SETCHECK, c.check);
    EXPECT_EQ(CheckBoxFrameColor(c.frame), painter.Picture().Pixel(5, middle)) << c.frame;
    EXPECT_EQ(CheckBoxFrameColor(c.frame), ScreenPixel(checkBox->Handle(), 5, middle)) << c.frame;
    PaintNow(checkBox->Handle());
    EXPECT_EQ(CheckBoxFrameColor(c.frame), ScreenPixel(checkBox->Handle(), 5, middle)) << c.frame;
  }
}

TEST_F(PainterTest, RadioButtonOfADialogShowsTheFrameOfItsState) {
  HWND radio = CreateWindowExW(0, L"BUTTON", L"Radio", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON,
                               100, 60, 90, 17, form->Handle(), nullptr, nullptr, nullptr);
  std::unique_ptr<skinning::TvxSkinControl> painter =
      skinning::MakeWindowPainter(Skinned(), radio, skinning::PainterKind::kWndRadioButton);
  struct Case {
    WPARAM check;
    bool enabled;
    int frame;
  };
  const Case cases[] = {{BST_CHECKED, true, 1},
                        {BST_UNCHECKED, true, 2},
                        {BST_CHECKED, false, 3},
                        {BST_UNCHECKED, false, 4}};
  for (const Case& c : cases) {
    EnableWindow(radio, c.enabled);
    SendMessageW(radio, BM_SETCHECK, c.check, 0);
    PaintNow(radio);
    EXPECT_EQ(RadioFrameColor(c.frame), painter->Picture().Pixel(5, 8)) << c.frame;
  }
  painter.reset();
  DestroyWindow(radio);
}

TEST_F(PainterTest, CheckBoxBoxIsAtTheRightEdgeWhenItsTextIsLeft) {
  struct Case {
    ui::TCheckBox* box;
    int boxLeft;
  };
  const Case cases[] = {
      {checkBox, 0}, {leftCheckBox, leftCheckBox->Width() - 13 - 1},  // a box at least 13 wide
  };
  for (const Case& c : cases) {
    PaintNow(c.box->Handle());
    auto& painter = PainterOf<skinning::TvxSkinCheckBox>(*c.box);
    const int middle = c.box->Height() / 2;
    const int other = c.boxLeft == 0 ? c.box->Width() - 8 : 5;
    EXPECT_EQ(CheckBoxFrameColor(3), painter.Picture().Pixel(c.boxLeft + 5, middle));
    EXPECT_NE(CheckBoxFrameColor(3), painter.Picture().Pixel(other, middle));
  }
}

TEST_F(PainterTest, ProgressBarFillsItsSpanByPosition) {
  auto& painter = PainterOf<skinning::TvxSkinControl>(*progressBar);
  const int width = progressBar->Width();
  const int middle = progressBar->Height() / 2;
  const int span = width - kProgressStart - kProgressEnd;
  for (int position : {0, 50, 100}) {
    progressBar->SetPosition(position);
    const int filledEnd = kProgressStart + position * span / 100;
    const skinning::DibBuffer& picture = painter.Picture();
    EXPECT_EQ(ProgressPieceColor(1), picture.Pixel(0, middle)) << position;
    EXPECT_EQ(ProgressPieceColor(4), picture.Pixel(width - 1, middle)) << position;
    if (position > 0) {
      EXPECT_EQ(ProgressPieceColor(2), picture.Pixel(filledEnd - 1, middle)) << position;
    }
    if (position < 100) {
      EXPECT_EQ(ProgressPieceColor(3), picture.Pixel(filledEnd, middle)) << position;
    }
    EXPECT_EQ(picture.Pixel(filledEnd - 1, middle),
              ScreenPixel(progressBar->Handle(), filledEnd - 1, middle))
        << position;
  }
}

TEST_F(PainterTest, ShortScrollThumbShowsItsCapsAndNoFillers) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = 10000;
  info.nPage = 1;
  info.nPos = 5000;
  SetScrollInfo(scrollBar->Handle(), SB_CTL, &info, TRUE);
  Pump(50);
  auto& painter = PainterOf<skinning::TvxSkinScrollBar>(*scrollBar);
  ASSERT_NE(nullptr, painter.Overlay());
  ASSERT_TRUE(painter.Overlay()->Shown());
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(GetScrollBarInfo(scrollBar->Handle(), OBJID_CLIENT, &bar));
  const int length = bar.xyThumbBottom - bar.xyThumbTop;
  ASSERT_GT(length, 0);
  ASSERT_LT(length, kThumbHeight);
  const skinning::DibBuffer& picture = painter.Overlay()->Picture();
  EXPECT_EQ(ScrollArrowColor(1), picture.Pixel(8, 0));
  EXPECT_EQ(ScrollArrowColor(4), picture.Pixel(8, picture.Height() - 1));
  EXPECT_EQ(ThumbPieceColor(1), picture.Pixel(8, bar.xyThumbTop));
  EXPECT_EQ(ThumbPieceColor(5), picture.Pixel(8, bar.xyThumbBottom - 1));
  for (int y = bar.xyThumbTop; y < bar.xyThumbBottom; ++y) {
    EXPECT_NE(ThumbPieceColor(2), picture.Pixel(8, y)) << y;
    EXPECT_NE(ThumbPieceColor(4), picture.Pixel(8, y)) << y;
  }
  RECT overlay{};
  RECT control{};
  GetWindowRect(painter.Overlay()->Handle(), &overlay);
  GetWindowRect(scrollBar->Handle(), &control);
  EXPECT_TRUE(EqualRect(&overlay, &control));
}

TEST_F(PainterTest, DrawScrollBarOffLeavesTheSystemScrollBarsAndSkinsTheRest) {
  auto& painter = PainterOf<skinning::TvxSkinListView>(*listView);
  HWND list = listView->Handle();
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &bar));
  const POINT arrow{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2, bar.rcScrollBar.top + 4};
  auto screen = [&] { return ShownPixel(list, arrow); };
  ASSERT_NE(nullptr, painter.Overlay(true));
  EXPECT_TRUE(painter.Overlay(true)->Shown());
  EXPECT_EQ(ScrollArrowColor(1), screen());

  Engine().SetDrawScrollBar(false);
  Pump(50);
  EXPECT_FALSE(painter.Overlay(true)->Shown());
  EXPECT_NE(ScrollArrowColor(1), screen());
  EXPECT_NE(kScrollBarColor, screen());
  EXPECT_EQ(kControlBorderColor, WindowPixel(list, 0, 0)) << "the border stays skinned";
  PaintNow(form->button->Handle());
  EXPECT_EQ(FaceCentreColor(1), ScreenPixel(form->button->Handle(), kFaceX, kFaceY));

  Engine().SetDrawScrollBar(true);
  Pump(50);
  EXPECT_TRUE(painter.Overlay(true)->Shown());
  EXPECT_EQ(ScrollArrowColor(1), screen());
}

TEST_F(PainterTest, CornerBetweenTwoSkinnedScrollBarsTakesTheFormColour) {
  HWND list = listView->Handle();
  SendMessageW(list, LVM_SETCOLUMNWIDTH, 0, 400);
  Pump(50);
  auto& painter = PainterOf<skinning::TvxSkinListView>(*listView);
  ASSERT_TRUE(painter.Overlay(true) && painter.Overlay(true)->Shown());
  ASSERT_TRUE(painter.Overlay(false) && painter.Overlay(false)->Shown());
  SCROLLBARINFO vertical{};
  vertical.cbSize = sizeof vertical;
  ASSERT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &vertical));
  RECT window{};
  GetWindowRect(list, &window);
  // Inside the corner, away from both bars.
  const int x = (vertical.rcScrollBar.left + vertical.rcScrollBar.right) / 2 - window.left;
  const int y = window.bottom - window.top - 6;
  EXPECT_EQ(kFormColor, WindowPixel(list, x, y));

  // Each change of hands repaints the corner.
  Engine().SetDrawScrollBar(false);
  Pump(50);
  EXPECT_NE(kFormColor, WindowPixel(list, x, y)) << "the system's corner";
  Engine().SetDrawScrollBar(true);
  Pump(50);
  EXPECT_EQ(kFormColor, WindowPixel(list, x, y));
}

TEST_F(PainterTest, PressOnTheOverlayScrollsTheControl) {
  auto& painter = PainterOf<skinning::TvxSkinListView>(*listView);
  HWND list = listView->Handle();
  ASSERT_EQ(0, SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
  HWND overlay = painter.Overlay(true)->Handle();
  RECT client{};
  GetClientRect(overlay, &client);
  const LPARAM downArrow = MAKELPARAM(client.right / 2, client.bottom - 4);
  // The system's scrolling runs until the button goes up.
  PostMessageW(overlay, WM_LBUTTONUP, 0, downArrow);
  SendMessageW(overlay, WM_LBUTTONDOWN, MK_LBUTTON, downArrow);
  Pump(50);
  EXPECT_EQ(1, SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
}

TEST_F(PainterTest, AControlTaggedDisabledAfterAttachmentIsDrawnByItsOwnHandler) {
  HWND button = form->button->Handle();
  form->button->SetTag(9999);
  const unsigned long before = skinning::DibBuffer::Transfers();
  PaintNow(button);
  EXPECT_EQ(before, skinning::DibBuffer::Transfers());
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ScreenPixel(button, kFaceX, kFaceY));
  form->clicks = 0;
  SendMessageW(button, BM_CLICK, 0, 0);
  EXPECT_EQ(1, form->clicks);

  form->button->SetTag(0);
  PaintNow(button);
  EXPECT_EQ(FaceCentreColor(1), ScreenPixel(button, kFaceX, kFaceY));
}

// A button's painter that raises from its paint or from its look once
// told to.
class FailingButtonPainter : public skinning::TvxSkinButton {
 public:
  using skinning::TvxSkinButton::TvxSkinButtonOf;

  void Paint() override {
    ++paints;
    if (failPaint) {
      throw std::runtime_error("Failed to paint");
    }
    skinning::TvxSkinButton::Paint();
  }
  void UpdateLook() override {
    if (failLook) {
      throw std::runtime_error("Failed to take the look");
    }
    skinning::TvxSkinButton::UpdateLook();
  }

  int paints = 0;
  bool failPaint = false;
  bool failLook = false;
};

// The failure is reported once; then the button draws and clicks as the
// system's own.
TEST_F(PainterTest, PainterThatFailsReportsOnceAndLeavesTheControlItsOwnLook) {
  struct Case {
    const char* what;
    bool failPaint;
    bool failLook;
    const char* report;
  };
  const Case cases[] = {
      {"paint", true, false, "Failed to paint"},
      {"look", false, true, "Failed to take the look"},
  };
  for (const Case& c : cases) {
    // Below the group box, which the skinned form moved down under its menu bar.
    auto* button = new ui::TButton(form.get(), {{205, 175, 70, 25}, "Own"});
    HWND window = button->Handle();
    int clicks = 0;
    button->OnClick = [&clicks](base::TComponent*) { ++clicks; };
    {
      FailingButtonPainter painter(Skinned(), *button);
      PaintNow(window);
      ASSERT_EQ(FaceCentreColor(1), ScreenPixel(window, kFaceX, kFaceY)) << c.what;
      painter.failPaint = c.failPaint;
      painter.failLook = c.failLook;
      for (int i = 0; i < 3; ++i) {
        painter.Refresh();
        PaintNow(window);
      }
      EXPECT_EQ(errors, std::vector<std::string>{c.report}) << c.what;
      EXPECT_TRUE(painter.Failed()) << c.what;
      const int paints = painter.paints;
      PaintNow(window);
      SendMessageW(window, BM_CLICK, 0, 0);
      EXPECT_EQ(paints, painter.paints) << c.what;
      EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ScreenPixel(window, kFaceX, kFaceY)) << c.what;
      EXPECT_EQ(1, clicks) << c.what;
    }
    delete button;
    errors.clear();
  }
}

TEST_F(PainterTest, EachPaintOfAPaintedControlIsOneTransfer) {
  auto& listPainter = PainterOf<skinning::TvxSkinListView>(*listView);
  struct Case {
    const char* what;
    HWND window;
    unsigned long transfers;
  };
  const Case cases[] = {
      {"button", form->button->Handle(), 1},
      {"check box", checkBox->Handle(), 1},
      {"drop-down list", comboBox->Handle(), 1},
      {"group box", form->groupBox->Handle(), 1},
      {"progress bar", progressBar->Handle(), 1},
      {"edit, its border", edit->Handle(), 1},
      {"list view, its border", listView->Handle(), 1},
      {"list view's header", listPainter.Header(), 1},
      {"list view's scroll bar", listPainter.Overlay(true)->Handle(), 1},
      {"label: the system's own", form->label->Handle(), 0},
  };
  for (const Case& c : cases) {
    const unsigned long before = skinning::DibBuffer::Transfers();
    RedrawWindow(c.window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_NOCHILDREN);
    EXPECT_EQ(c.transfers, skinning::DibBuffer::Transfers() - before) << c.what;
  }
}

TEST_F(PainterTest, DropDownListShowsBorderButtonAndArrowAfterEveryChange) {
  auto& painter = PainterOf<skinning::TvxSkinComboBox>(*comboBox);
  HWND combo = comboBox->Handle();
  comboBox->SetItemIndex(2);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  const RECT& button = info.rcButton;
  const skinning::DibBuffer& picture = painter.Picture();
  EXPECT_EQ(kControlBorderColor, picture.Pixel(0, 0));
  EXPECT_EQ(kControlBorderColor, picture.Pixel(picture.Width() - 1, picture.Height() - 1));
  EXPECT_EQ(0xFFFFFFu, picture.Pixel(1, 1)) << "the control's own colour inside";
  EXPECT_EQ(kControlBorderColor, picture.Pixel(button.left, button.top + 3)) << "inner edge line";
  EXPECT_EQ(kControlColor, picture.Pixel(button.left + 2, button.top + 2));
  const int arrowTop = (button.top + button.bottom - 4) / 2;
  EXPECT_EQ(0u, picture.Pixel((button.left + button.right) / 2, arrowTop)) << "the arrow";
  EXPECT_EQ(kControlBorderColor, ScreenPixel(combo, 0, 0));
  EXPECT_EQ(kControlColor, ScreenPixel(combo, button.left + 2, button.top + 2));
}

TEST_F(PainterTest, GroupBoxFrameFromHalfTheTextHeightAndCaptionOverIt) {
  auto& painter = PainterOf<skinning::TvxSkinControl>(*form->groupBox);
  PaintNow(form->groupBox->Handle());
  const skinning::DibBuffer& picture = painter.Picture();
  const int height = picture.Height();
  EXPECT_EQ(kControlBorderColor, picture.Pixel(0, height / 2));
  EXPECT_EQ(kControlBorderColor, picture.Pixel(picture.Width() - 1, height - 1));
  EXPECT_EQ(kFormColor, picture.Pixel(0, 1)) << "above the frame";
  EXPECT_EQ(kFormColor, picture.Pixel(5, height - 5)) << "inside";
  // Text shows as pixels of neither the background nor the frame, from
  // 8 pixels in.
  int captionPixels = 0;
  for (int x = 1; x < 40; ++x) {
    for (int y = 0; y < height / 2; ++y) {
      const image::ColorRef pixel = picture.Pixel(x, y);
      const bool text = pixel != kFormColor && pixel != kControlBorderColor;
      captionPixels += text;
      EXPECT_TRUE(x >= 8 || !text) << x << "," << y;
    }
  }
  EXPECT_GT(captionPixels, 10);
}

TEST_F(PainterTest, HeaderColumnsOnTheFormColourWithLinesInTheBorderColour) {
  auto& painter = PainterOf<skinning::TvxSkinListView>(*listView);
  PaintNow(painter.Header());
  const skinning::DibBuffer& picture = painter.HeaderPicture();
  const int height = picture.Height();
  ASSERT_GT(height, 4);
  EXPECT_EQ(kControlBorderColor, picture.Pixel(99, 2)) << "the column's right edge";
  EXPECT_EQ(kControlBorderColor, picture.Pixel(50, height - 1)) << "the bottom row";
  EXPECT_EQ(kFormColor, picture.Pixel(2, 2));
  EXPECT_EQ(kFormColor, picture.Pixel(110, 2)) << "after the last column";
  int captionPixels = 0;
  for (int x = 0; x < 40; ++x) {
    for (int y = 0; y < height - 1; ++y) {
      captionPixels += picture.Pixel(x, y) != kFormColor;
    }
  }
  EXPECT_GT(captionPixels, 10);
}

TEST_F(PainterTest, EditGetsTheBorderInThePlaceOfTheSunkenEdge) {
  HWND window = edit->Handle();
  PaintNow(window);
  RECT outer{};
  GetWindowRect(window, &outer);
  const int right = outer.right - outer.left - 1;
  EXPECT_EQ(kControlBorderColor, WindowPixel(window, 0, 0));
  EXPECT_EQ(kControlBorderColor, WindowPixel(window, right, 10));
  EXPECT_EQ(0xFFFFFFu, WindowPixel(window, 1, 1));
  EXPECT_EQ(0xFFFFFFu, WindowPixel(window, right - 1, 10));
}

// A tool bar of someone else's dialog may hold any caption; its text is
// drawn in the skin's text colour, as everything on the skin's backgrounds.
TEST_F(PainterTest, ToolBarOfADialogDrawsALongButtonTextInTheSkinsTextColour) {
  HWND bar = CreateWindowExW(
      0, TOOLBARCLASSNAMEW, L"",
      WS_CHILD | WS_VISIBLE | TBSTYLE_LIST | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NODIVIDER, 10, 120,
      280, 24, form->Handle(), nullptr, nullptr, nullptr);
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  const std::wstring caption = L"Long " + std::wstring(5000, L'x');
  TBBUTTON button{};
  button.iBitmap = I_IMAGENONE;
  button.idCommand = 7;
  button.fsState = TBSTATE_ENABLED;
  button.fsStyle = BTNS_BUTTON | BTNS_SHOWTEXT;
  button.iString = reinterpret_cast<INT_PTR>(caption.c_str());
  SendMessageW(bar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  ASSERT_EQ(static_cast<LRESULT>(caption.size()), SendMessageW(bar, TB_GETBUTTONTEXTW, 7, 0));
  std::unique_ptr<skinning::TvxSkinControl> painter =
      skinning::MakeWindowPainter(Skinned(), bar, skinning::PainterKind::kWndToolBar);
  PaintNow(bar);
  const skinning::DibBuffer& picture = painter->Picture();
  ASSERT_GT(picture.Width(), 0);
  int textPixels = 0;
  for (int x = 0; x < picture.Width(); ++x) {
    for (int y = 0; y < picture.Height(); ++y) {
      textPixels += picture.Pixel(x, y) == kControlFontColor;
    }
  }
  EXPECT_GT(textPixels, 20);
  painter.reset();
  DestroyWindow(bar);
}

TEST_F(PainterTest, MessageBoxButtonsArePaintedByTheSkin) {
  image::ColorRef corner = 0;
  test_support::WindowAnswerer answerer(L"#32770", [&](HWND box) {
    HWND ok = GetDlgItem(box, IDOK);
    PaintNow(ok);
    for (const auto& painter : Engine().FindSkinWindow(box)->Painters()) {
      if (painter->GetHandle() == ok) {
        corner = painter->Picture().Pixel(1, 1);
      }
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  ui::ShowMessageBox(form.get(), "Painted?", MB_OK);
  EXPECT_EQ(FaceCornerColor(1), corner);
}

}  // namespace
}  // namespace skinning_test
