#include <gtest/gtest.h>

#include <string>

#include "skinning/engine/window_messages.h"
#include "skinning/painters/dib_buffer.h"
#include "tests/skinning/skinned_form_fixture.h"
#include "tests/support/window_driver.h"

namespace skinning_test {
namespace {

using skinning::TitleHit;

class FrameTest : public SkinnedFormTest {
 protected:
  HWND Window() { return form->Handle(); }
  image::ColorRef FramePixel(int x, int y) { return Skinned().FrameBuffer().Pixel(x, y); }
  // The middle of a caption button in window coordinates.
  POINT ButtonCentre(TitleHit kind) {
    for (const skinning::CaptionButton& button : Skinned().TitleLayout().buttons) {
      if (button.kind == kind) {
        return {(button.rect.left + button.rect.right) / 2,
                (button.rect.top + button.rect.bottom) / 2};
      }
    }
    ADD_FAILURE() << "no button " << static_cast<int>(kind);
    return {0, 0};
  }
  LPARAM At(POINT point) { return ScreenPoint(Window(), point.x, point.y); }
  LPARAM CaptionPoint() { return ScreenPoint(Window(), 150, 15); }
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(Window(), message, wParam, lParam);
  }
};

TEST_F(FrameTest, FrameTakesTheSkinsTitleAndBordersAndTheClientAreaKeepsItsSize) {
  const RECT before = WindowRect(Window());
  const int ownTitle =
      std::max(static_cast<int>(before.bottom - before.top) - form->ClientHeight() - 20 - 4, 23);
  LoadTestSkin("plain.ssk");
  ASSERT_TRUE(Skinned().FrameOn());

  const int titleRows = std::max(kTitleHeight, ownTitle);
  const int menuBar = static_cast<int>(Send(skinning::kMsgMenuBarHeight, 0, 0));
  const RECT after = WindowRect(Window());
  EXPECT_GT(menuBar, 0);
  EXPECT_EQ(before.left, after.left);
  EXPECT_EQ(before.top, after.top);
  EXPECT_EQ((POINT{kLeftBorder, titleRows}.x), ClientOrigin(Window()).x);
  EXPECT_EQ(titleRows, ClientOrigin(Window()).y);
  EXPECT_EQ(300, form->ClientWidth());
  EXPECT_EQ(200 + menuBar, form->ClientHeight());
  EXPECT_EQ(kLeftBorder + 300 + 4, after.right - after.left);  // right border padded to 4
  EXPECT_EQ(titleRows + 200 + menuBar + kBottomBorder, after.bottom - after.top);

  const int width = after.right - after.left;
  const int height = after.bottom - after.top;
  EXPECT_EQ(kTitleLeftColor, FramePixel(0, 0));
  EXPECT_EQ(kTitleFillColor, FramePixel(kTitleLeftWidth, kTitleHeight - 1));
  EXPECT_EQ(kTitleRightColor, FramePixel(width - 1, 0));
  EXPECT_EQ(kLeftBorderColor, FramePixel(0, titleRows));
  EXPECT_EQ(kRightBorderColor, FramePixel(width - 1, height - kBottomBorder - 1));
  EXPECT_EQ(kBottomColor, FramePixel(width / 2, height - 1));
  // The padding beside the menu bar, then beside the form.
  EXPECT_EQ(MenuColor(skin::kColorMenuBarStart), FramePixel(width - 3, titleRows));
  EXPECT_EQ(kFormColor, FramePixel(width - 3, titleRows + menuBar + 1));
  // The caption in the title font's colour, in the title bar.
  bool captionDrawn = false;
  for (int x = kIconX + 18; x < kIconX + 60 && !captionDrawn; ++x) {
    for (int y = kCaptionTop; y < kTitleHeight && !captionDrawn; ++y) {
      captionDrawn = FramePixel(x, y) == kTitleFontColor;
    }
  }
  EXPECT_TRUE(captionDrawn);
}

TEST_F(FrameTest, EachFramePaintIsOneTransferToTheScreen) {
  LoadTestSkin("plain.ssk");
  RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  // The painted controls and the menu bar each make transfers of their
  // own; the frame makes one.
  const unsigned long before = skinning::DibBuffer::Transfers();
  Send(WM_NCPAINT, 1, 0);
  EXPECT_EQ(1u, skinning::DibBuffer::Transfers() - before);
}

TEST_F(FrameTest, HitTestingNamesTheButtonsTheIconTheCaptionAndTheBorders) {
  LoadTestSkin("plain.ssk");
  const RECT outer = WindowRect(Window());
  struct Case {
    const char* name;
    POINT at;
    LRESULT hit;
  };
  const Case cases[] = {
      {"close", ButtonCentre(TitleHit::kClose), HTCLOSE},
      {"maximize", ButtonCentre(TitleHit::kMaximize), HTMAXBUTTON},
      {"minimize", ButtonCentre(TitleHit::kMinimize), HTMINBUTTON},
      {"icon", {kIconX + 8, kIconY + 8}, HTSYSMENU},
      {"caption", {150, 15}, HTCAPTION},
      {"left border", {2, 100}, HTBORDER},
      {"bottom border", {100, outer.bottom - outer.top - 2}, HTBORDER},
      {"client", {kLeftBorder + 5, 120}, HTCLIENT},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.hit, Send(WM_NCHITTEST, 0, At(c.at))) << c.name;
  }
}

TEST_F(FrameTest, ButtonsShowHoverAndPressAndActOnlyWhenPressedAndReleasedOnThem) {
  LoadTestSkin("plain.ssk");
  const POINT close = ButtonCentre(TitleHit::kClose);
  const POINT minimize = ButtonCentre(TitleHit::kMinimize);
  auto closeFrame = [&] { return FramePixel(close.x, close.y); };
  EXPECT_EQ(ButtonFrameColor(16), closeFrame());

  Send(WM_NCMOUSEMOVE, HTCLOSE, At(close));
  EXPECT_EQ(TitleHit::kClose, Skinned().HoverTarget());
  EXPECT_EQ(ButtonFrameColor(17), closeFrame());

  Send(WM_NCLBUTTONDOWN, HTCLOSE, At(close));
  EXPECT_TRUE(Skinned().Pressed());
  EXPECT_EQ(ButtonFrameColor(18), closeFrame());

  // Off every button, the press is dropped.
  Send(WM_NCMOUSEMOVE, HTCAPTION, CaptionPoint());
  EXPECT_EQ(TitleHit::kNone, Skinned().HoverTarget());
  EXPECT_FALSE(Skinned().Pressed());
  EXPECT_EQ(ButtonFrameColor(16), closeFrame());

  // Pressed on one button and released on another: nothing happens.
  Send(WM_NCLBUTTONDOWN, HTMINBUTTON, At(minimize));
  EXPECT_EQ(ButtonFrameColor(15), FramePixel(minimize.x, minimize.y));
  Send(WM_NCLBUTTONUP, HTCLOSE, At(close));
  Pump(50);
  EXPECT_TRUE(IsWindowVisible(Window()));
  EXPECT_FALSE(IsIconic(Window()));

  Send(WM_NCLBUTTONDOWN, HTCLOSE, At(close));
  Send(WM_NCLBUTTONUP, HTCLOSE, At(close));
  EXPECT_TRUE(test_support::PumpUntil([&] { return !IsWindowVisible(Window()); }));
}

TEST_F(FrameTest, MinimizeButtonMinimizesAndRestoringGivesTheSameFrameBack) {
  LoadTestSkin("plain.ssk");
  const RECT normal = WindowRect(Window());
  const POINT minimize = ButtonCentre(TitleHit::kMinimize);
  Send(WM_NCLBUTTONDOWN, HTMINBUTTON, At(minimize));
  Send(WM_NCLBUTTONUP, HTMINBUTTON, At(minimize));
  ASSERT_TRUE(test_support::PumpUntil([&] { return IsIconic(Window()) != FALSE; }));
  // Minimized, the title bar is all there is: the skin's minimized title
  // with the buttons on it.
  RECT client{};
  GetClientRect(Window(), &client);
  EXPECT_TRUE(IsRectEmpty(&client));
  Send(WM_NCPAINT, 1, 0);
  EXPECT_EQ(kTitleFillColor, FramePixel(1, 1));
  EXPECT_TRUE(Skinned().DrawnButtons().close);

  Send(WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(test_support::PumpUntil([&] { return !IsIconic(Window()); }));
  const RECT restored = WindowRect(Window());
  EXPECT_TRUE(EqualRect(&normal, &restored));
  EXPECT_EQ(kLeftBorder, ClientOrigin(Window()).x);
}

TEST_F(FrameTest, ALongCaptionEndsInDotsBeforeTheButtons) {
  LoadTestSkin("plain.ssk");
  EXPECT_EQ(L"Skinned", Skinned().DrawnCaption());
  form->SetCaption(std::string(120, 'W') + " the end");
  const std::wstring drawn = Skinned().DrawnCaption();
  ASSERT_GT(drawn.size(), 3u);
  EXPECT_EQ(L"...", drawn.substr(drawn.size() - 3));
  EXPECT_EQ(std::wstring(drawn.size() - 3, L'W'), drawn.substr(0, drawn.size() - 3));
  // No caption colour right of the room the layout leaves it.
  const skinning::TitleBarLayout layout = Skinned().TitleLayout();
  const int roomEnd = layout.captionLeft + layout.captionRoom;
  for (int x = roomEnd; x < ButtonCentre(TitleHit::kMinimize).x - 8; ++x) {
    for (int y = kCaptionTop; y < kTitleHeight; ++y) {
      ASSERT_NE(kTitleFontColor, FramePixel(x, y)) << x << ", " << y;
    }
  }
}

TEST_F(FrameTest, DoubleClickOnTheCaptionMaximizesAndRestores) {
  LoadTestSkin("plain.ssk");
  const RECT normal = WindowRect(Window());
  Send(WM_NCLBUTTONDBLCLK, HTCAPTION, CaptionPoint());
  ASSERT_TRUE(test_support::PumpUntil([&] { return IsZoomed(Window()) != FALSE; }));
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(Window(), MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT zoomed = WindowRect(Window());
  EXPECT_EQ(monitor.rcWork.left - 4, zoomed.left);
  EXPECT_EQ(monitor.rcWork.top - 4, zoomed.top);
  EXPECT_EQ(monitor.rcWork.right + 4, zoomed.right);
  EXPECT_EQ(monitor.rcWork.bottom - 1 + 4, zoomed.bottom);
  // Maximized, the maximize button shows the restore frames.
  const POINT maximize = ButtonCentre(TitleHit::kMaximize);
  EXPECT_EQ(ButtonFrameColor(10), FramePixel(maximize.x, maximize.y));

  Send(WM_NCLBUTTONDBLCLK, HTCAPTION, CaptionPoint());
  ASSERT_TRUE(test_support::PumpUntil([&] { return !IsZoomed(Window()); }));
  const RECT restored = WindowRect(Window());
  EXPECT_TRUE(EqualRect(&normal, &restored));
}

TEST_F(FrameTest, DoubleClickOnTheIconCloses) {
  LoadTestSkin("plain.ssk");
  Send(WM_NCLBUTTONDBLCLK, HTSYSMENU, ScreenPoint(Window(), kIconX + 8, kIconY + 8));
  EXPECT_TRUE(test_support::PumpUntil([&] { return !IsWindowVisible(Window()); }));
}

TEST_F(FrameTest, WithoutAMaximizeButtonADoubleClickLeavesTheWindowAlone) {
  TestFormOptions options;
  options.borderIcons = {true, true, false};
  RemakeForm(options);
  LoadTestSkin("plain.ssk");
  EXPECT_FALSE(Skinned().DrawnButtons().maximize);
  Send(WM_NCLBUTTONDBLCLK, HTCAPTION, CaptionPoint());
  Pump(200);
  EXPECT_FALSE(IsZoomed(Window()));
}

// The icon as the title bar shows it: 16 x 16 on the title's left end.
std::vector<image::ColorRef> IconOnTitle(HICON icon) {
  skinning::DibBuffer picture;
  picture.Resize(16, 16);
  picture.Canvas().Fill({0, 0, 16, 16}, kTitleLeftColor);
  DrawIconEx(picture.Dc(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
  GdiFlush();
  std::vector<image::ColorRef> pixels;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      pixels.push_back(picture.Pixel(x, y));
    }
  }
  return pixels;
}

// The test program carries the program's icon as its icon resource 1, as
// the program does; neither the form nor a window of a class without an
// icon has one of its own.
TEST_F(FrameTest, TitleBarsOfWindowsWithoutAnIconShowTheProgramsIcon) {
  HWND plain =
      CreateWindowExW(0, L"STATIC", L"Plain", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                      450, 100, 200, 120, nullptr, nullptr, nullptr, nullptr);
  Engine().AttachWindow(plain, skinning::TvxWindowKind::kDialog);
  LoadTestSkin("plain.ssk");
  const win::UniqueIcon program(static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0)));
  ASSERT_TRUE(program);
  const std::vector<image::ColorRef> expected = IconOnTitle(program.Get());
  ASSERT_NE(IconOnTitle(LoadIconW(nullptr, MAKEINTRESOURCEW(32512))), expected);
  for (HWND window : {form->Handle(), plain}) {
    skinning::TvxSkinWindow& skinned = *Engine().FindSkinWindow(window);
    ASSERT_TRUE(skinned.FrameOn());
    skinned.PaintFrame();
    const image::Rect icon = skinned.TitleLayout().icon;
    ASSERT_EQ(16, icon.Width());
    std::vector<image::ColorRef> shown;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        shown.push_back(skinned.FrameBuffer().Pixel(icon.left + x, icon.top + y));
      }
    }
    EXPECT_EQ(expected, shown) << (window == plain ? "plain window" : "form");
  }
  DestroyWindow(plain);
}

std::vector<RECT> RegionRects(HWND window) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  std::vector<RECT> rects;
  if (GetWindowRgn(window, region) != ERROR) {
    std::vector<char> data(GetRegionData(region, 0, nullptr));
    GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
    const auto* header = reinterpret_cast<const RGNDATAHEADER*>(data.data());
    const auto* first = reinterpret_cast<const RECT*>(data.data() + header->dwSize);
    rects.assign(first, first + header->nCount);
  }
  DeleteObject(region);
  return rects;
}

TEST_F(FrameTest, ShapedSkinCutsTheCornersAndAPlainOneLeavesTheWindowRectangular) {
  LoadTestSkin("plain.ssk");
  EXPECT_TRUE(RegionRects(Window()).empty());

  LoadTestSkin("shaped.ssk");
  const RECT outer = WindowRect(Window());
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  const std::vector<RECT> rects = RegionRects(Window());
  ASSERT_FALSE(rects.empty());
  // The region's bands, top first: the cut rows narrow the window.
  const RECT expectedTop[] = {{3, 0, width - 3, 1}, {2, 1, width - 2, 2}, {1, 2, width - 1, 3}};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(EqualRect(&expectedTop[i], &rects[i])) << "band " << i;
  }
  const RECT expectedBottom = {3, height - 1, width - 3, height};
  EXPECT_TRUE(EqualRect(&expectedBottom, &rects.back()));
  const RECT middle = {0, 3, width, height - kCornerRows};
  EXPECT_TRUE(EqualRect(&middle, &rects[3]));

  // Back to a plain skin: rectangular again.
  LoadTestSkin("plain.ssk");
  EXPECT_TRUE(RegionRects(Window()).empty());
}

TEST_F(FrameTest, AFormTaggedDisabledKeepsTheSystemFrame) {
  TestFormOptions options;
  options.tag = 9999;
  options.withEngine = false;
  TestForm tagged(options);
  tagged.Show();
  const RECT before = WindowRect(tagged.Handle());
  const POINT origin = ClientOrigin(tagged.Handle());
  Engine().AttachWindow(tagged.Handle(), skinning::TvxWindowKind::kForm);
  LoadTestSkin("plain.ssk");

  EXPECT_TRUE(Skinned().FrameOn());
  skinning::TvxSkinWindow* skinned = Engine().FindSkinWindow(tagged.Handle());
  ASSERT_NE(nullptr, skinned);
  EXPECT_FALSE(skinned->FrameOn());
  EXPECT_NE(0, GetWindowLongW(tagged.Handle(), GWL_STYLE) & WS_SYSMENU);
  EXPECT_EQ(tagged.mainMenu->Handle(), GetMenu(tagged.Handle()));
  const RECT after = WindowRect(tagged.Handle());
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(origin.y, ClientOrigin(tagged.Handle()).y);
  EXPECT_EQ(HTCAPTION, SendMessageW(tagged.Handle(), WM_NCHITTEST, 0,
                                    ScreenPoint(tagged.Handle(), 60, origin.y / 2 - 4)));
}

}  // namespace
}  // namespace skinning_test
