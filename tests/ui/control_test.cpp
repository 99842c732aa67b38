#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/window_driver.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/std_controls.h"
#include "win/deferred_release.h"

namespace {

using namespace ui;

// Someone else's subclasses of a control's window, made after the
// control's own: the common controls' way, counting clicks in its data, and
// the plain way, which also notes the window's end.
LRESULT CALLBACK CountingSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR clicks) {
  if (message == BM_CLICK) {
    ++*reinterpret_cast<int*>(clicks);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

struct PlainSubclass {
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BM_CLICK) {
      ++clicks;
    }
    if (message == WM_NCDESTROY) {
      destroyed = true;
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
  }
  static WNDPROC previous;
  static int clicks;
  static bool destroyed;
};
WNDPROC PlainSubclass::previous = nullptr;
int PlainSubclass::clicks = 0;
bool PlainSubclass::destroyed = false;

class ControlTest : public testing::Test {
 protected:
  ControlTest() { form.Show(); }

  TForm form{TFormOptions{"Controls", 100, 100, 414, 200}};
};

TEST_F(ControlTest, ReplacedWindowProcSeesMessagesAndPassesThemOn) {
  auto* button = new TButton(&form, {{8, 8, 60, 25}, "Go"});
  int clicks = 0;
  button->OnClick = [&](base::TComponent*) { ++clicks; };
  std::vector<std::string> seen;
  // Two painters in front of each other: the last installed sees first.
  TWndMethod original = button->WindowProc();
  button->SetWindowProc([&, original](TMessage& message) {
    if (message.Msg == WM_SETTEXT) {
      seen.push_back("inner");
    }
    original(message);
  });
  TWndMethod inner = button->WindowProc();
  button->SetWindowProc([&, inner](TMessage& message) {
    if (message.Msg == WM_SETTEXT) {
      seen.push_back("outer");
    }
    if (message.Msg == CN_COMMAND) {
      seen.push_back("reflected click");
    }
    // Swallowed: neither the button nor its handler hears of it.
    if (message.Msg == WM_SETTEXT &&
        std::wstring(reinterpret_cast<const wchar_t*>(message.LParam)) == L"blocked") {
      message.Result = TRUE;
      return;
    }
    inner(message);
  });

  button->SetCaption("Stop");
  SetWindowTextW(button->Handle(), L"blocked");
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);

  EXPECT_EQ("Stop", button->Caption());
  EXPECT_EQ((std::vector<std::string>{"outer", "inner", "outer", "reflected click"}), seen);
  EXPECT_EQ(1, clicks);
}

TEST_F(ControlTest, SubclassesMadeAfterTheControlsOwnKeepWorkingWhicheverGoesFirst) {
  auto* button = new TButton(&form, {{8, 8, 60, 25}, "Go"});
  int clicks = 0;
  button->OnClick = [&](base::TComponent*) { ++clicks; };
  HWND window = button->Handle();
  int counted = 0;
  ASSERT_TRUE(
      SetWindowSubclass(window, &CountingSubclass, 7, reinterpret_cast<DWORD_PTR>(&counted)));
  PlainSubclass::previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PlainSubclass::Procedure)));

  SendMessageW(window, BM_CLICK, 0, 0);
  RemoveWindowSubclass(window, &CountingSubclass, 7);  // another subclass goes first
  SendMessageW(window, BM_CLICK, 0, 0);
  EXPECT_EQ(1, counted);
  EXPECT_EQ(2, PlainSubclass::clicks);
  EXPECT_EQ(2, clicks);
  EXPECT_EQ(button, TControl::FromHandle(window));

  delete button;  // the control goes first: the plain subclass still sees the end
  EXPECT_FALSE(IsWindow(window));
  EXPECT_TRUE(PlainSubclass::destroyed);
}

TEST_F(ControlTest, NotificationsReachControlsInsideAGroupBox) {
  auto* box = new TGroupBox(&form, {{2, 10, 300, 150}, "Settings"});
  int comboChanges = 0;
  int editChanges = 0;
  int checkClicks = 0;
  auto* combo = new TComboBox(box, {{72, 20, 105, 21}, {"128", "256", "384"}, 1});
  combo->OnChange = [&](base::TComponent*) { ++comboChanges; };
  auto* edit = new TEdit(box, {{72, 60, 200, 21}, "C:\\", true});
  edit->OnChange = [&](base::TComponent*) { ++editChanges; };
  auto* check = new TCheckBox(box, {{8, 100, 200, 17}, "Remember"});
  check->OnClick = [&](base::TComponent*) { ++checkClicks; };

  SendMessageW(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  edit->SetText("D:\\Out");
  edit->SetText("D:\\Out");  // the text it holds: no change
  SendMessageW(check->Handle(), BM_CLICK, 0, 0);

  EXPECT_EQ(1, comboChanges);
  EXPECT_EQ(2, combo->ItemIndex());
  EXPECT_EQ(1, editChanges);
  EXPECT_EQ(1, checkClicks);
  EXPECT_TRUE(check->Checked());
  // The controls are placed inside the box.
  EXPECT_EQ(72, combo->Left());
  EXPECT_EQ(60, edit->Top());
  EXPECT_EQ(box->Handle(), GetParent(edit->Handle()));
}

TEST_F(ControlTest, DropDownListTakesNoTypedText) {
  auto* combo = new TComboBox(&form, {{72, 8, 105, 21}, {"8000", "16000", "22050"}, 0});
  int changes = 0;
  combo->OnChange = [&](base::TComponent*) { ++changes; };
  EXPECT_EQ(3, combo->ItemCount());
  EXPECT_EQ("8000", combo->Text());

  combo->SetItemIndex(2);  // by code: no OnChange
  EXPECT_EQ("22050", combo->Text());
  SendMessageW(combo->Handle(), WM_CHAR, 'x', 0);
  SetWindowTextW(combo->Handle(), L"typed");
  EXPECT_EQ("22050", combo->Text());
  EXPECT_EQ(2, combo->ItemIndex());
  EXPECT_EQ(0, changes);
  EXPECT_EQ(static_cast<LONG>(CBS_DROPDOWNLIST),
            GetWindowLongW(combo->Handle(), GWL_STYLE) & CBS_DROPDOWNLIST);
}

TEST_F(ControlTest, ExceptionInAHandlerReachesTheApplicationAndGoesNoFurther) {
  std::vector<std::string> reported;
  Application().SetOnException([&](const std::string& text) { reported.push_back(text); });
  auto* button = new TButton(&form, {{8, 8, 60, 25}, "Fail"});
  int clicks = 0;
  button->OnClick = [&](base::TComponent*) {
    if (++clicks == 1) {
      throw std::runtime_error("Failed to read skin file!");
    }
  };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  Application().SetOnException(nullptr);

  EXPECT_EQ(std::vector<std::string>{"Failed to read skin file!"}, reported);
  EXPECT_EQ(2, clicks);
}

// The report comes while the message's scope is open: what the handler
// asked to release goes only once the message is done.
TEST_F(ControlTest, HandlerFailureIsReportedBeforeItsMessageIsDone) {
  auto* button = new TButton(&form, {{8, 8, 60, 25}, "Fail"});
  bool released = false;
  std::vector<bool> releasedWhenReported;
  Application().SetOnException(
      [&](const std::string&) { releasedWhenReported.push_back(released); });
  button->OnClick = [&](base::TComponent*) {
    win::ReleaseWhenIdle([&] { released = true; });
    throw std::runtime_error("Failed");
  };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  Application().SetOnException(nullptr);

  EXPECT_EQ(std::vector<bool>{false}, releasedWhenReported);
  EXPECT_TRUE(released);
}

TEST_F(ControlTest, PropertiesShowOnTheWindow) {
  auto* label =
      new TLabel(&form, {{0, 24, 353, 17}, "文件已存在，是否覆盖？", TAlignment::taCenter, true});
  auto* bar = new TProgressBar(&form, {{96, 32, 305, 17}});

  EXPECT_EQ("文件已存在，是否覆盖？", label->Caption());
  EXPECT_EQ(L"文件已存在，是否覆盖？", test_support::WindowText(label->Handle()));
  EXPECT_EQ(0, label->Left());
  EXPECT_EQ(24, label->Top());
  EXPECT_EQ(353, label->Width());
  EXPECT_EQ(17, label->Height());
  EXPECT_TRUE(GetWindowLongW(label->Handle(), GWL_STYLE) & SS_CENTER);

  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label->Handle(), WM_GETFONT, 0, 0)), sizeof font,
             &font);
  win::ClientDC screen(nullptr);
  EXPECT_EQ(-MulDiv(8, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72), font.lfHeight);
  EXPECT_EQ(FW_BOLD, font.lfWeight);
  EXPECT_STREQ(L"MS Sans Serif", font.lfFaceName);

  label->SetEnabled(false);
  label->SetVisible(false);
  EXPECT_FALSE(IsWindowEnabled(label->Handle()));
  EXPECT_FALSE(IsWindowVisible(label->Handle()));
  EXPECT_FALSE(label->Visible());

  bar->SetPosition(42);
  EXPECT_EQ(0, bar->Min());
  EXPECT_EQ(100, bar->Max());
  EXPECT_EQ(42, bar->Position());
}

TEST_F(ControlTest, ColourPaintsTheBackground) {
  const COLORREF red = RGB(200, 0, 0);
  form.SetColor(red);
  auto* box = new TGroupBox(&form, {{10, 10, 200, 100}, ""});
  box->SetColor(RGB(0, 0, 200));
  RedrawWindow(form.Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

  POINT formPoint{300, 150};
  POINT boxPoint{100, 60};
  ClientToScreen(form.Handle(), &formPoint);
  ClientToScreen(form.Handle(), &boxPoint);
  win::ClientDC screen(nullptr);
  EXPECT_EQ(red, GetPixel(screen.Get(), formPoint.x, formPoint.y));
  EXPECT_EQ(RGB(0, 0, 200), GetPixel(screen.Get(), boxPoint.x, boxPoint.y));
}

TEST_F(ControlTest, BitmapButtonDrawsItsGlyphWithoutTheTransparentColour) {
  auto* button = new TBitBtn(&form, {{10, 10, 81, 25}, "Folder"});
  win::ClientDC screen(nullptr);
  win::UniqueBitmap glyph(CreateCompatibleBitmap(screen.Get(), 16, 16));
  {
    win::MemoryDC dc(screen.Get());
    win::SelectedObject selected(dc.Get(), glyph.Get());
    RECT all{0, 0, 16, 16};
    RECT inner{4, 4, 12, 12};
    win::UniqueBrush green(CreateSolidBrush(RGB(0, 255, 0)));
    win::UniqueBrush blue(CreateSolidBrush(RGB(0, 0, 255)));
    FillRect(dc.Get(), &all, green.Get());
    FillRect(dc.Get(), &inner, blue.Get());
  }
  button->SetGlyph(glyph.Get());
  RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

  // Glyph and caption are centred together: find the glyph's blue square.
  HDC dc = screen.Get();
  POINT origin{0, 0};
  ClientToScreen(button->Handle(), &origin);
  int blue = 0;
  int green = 0;
  for (int x = 0; x < 81; ++x) {
    for (int y = 0; y < 25; ++y) {
      const COLORREF pixel = GetPixel(dc, origin.x + x, origin.y + y);
      blue += pixel == RGB(0, 0, 255);
      green += pixel == RGB(0, 255, 0);
    }
  }
  EXPECT_EQ(64, blue);
  EXPECT_EQ(0, green);
  EXPECT_EQ("Folder", button->Caption());
}

TEST_F(ControlTest, DeletingAContainerFreesItsControls) {
  auto* box = new TGroupBox(&form, {{2, 10, 300, 150}, "Box"});
  auto* button = new TButton(box, {{8, 20, 60, 25}, "In"});
  HWND buttonWindow = button->Handle();
  EXPECT_EQ(button, TControl::FromHandle(buttonWindow));
  const int before = form.ComponentCount();
  delete box;
  EXPECT_FALSE(IsWindow(buttonWindow));
  EXPECT_EQ(before - 1, form.ComponentCount());
}

}  // namespace
