#include <gtest/gtest.h>

#include <windows.h>

#include "skinning/engine/window_messages.h"
#include "tests/skinning/skinned_form_fixture.h"
#include "tests/support/window_driver.h"

namespace skinning_test {
namespace {

constexpr UINT kPing = WM_APP + 1;
constexpr UINT kDestroyYourself = WM_APP + 2;

// A top-level window of a class the program does not know, as a system
// dialog box is to the engine. It counts the pings it sees.
struct ForeignWindow {
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPing) {
      ++pings;
      return 7;
    }
    if (message == kDestroyYourself) {
      DestroyWindow(window);
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  ForeignWindow() {
    static const bool registered = [] {
      WNDCLASSW windowClass{};
      windowClass.lpfnWndProc = &Procedure;
      windowClass.hInstance = GetModuleHandleW(nullptr);
      windowClass.lpszClassName = L"VexmoorForeignWindow";
      return RegisterClassW(&windowClass) != 0;
    }();
    (void)registered;
    handle = CreateWindowExW(0, L"VexmoorForeignWindow", L"Foreign",
                             WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 500, 100, 200,
                             120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    pings = 0;
  }
  ~ForeignWindow() {
    if (IsWindow(handle)) {
      DestroyWindow(handle);
    }
  }

  static int pings;
  HWND handle;
};
int ForeignWindow::pings = 0;

// Another layer that subclasses a window after the engine, the plain way.
struct LaterSubclass {
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPing) {
      ++seen;
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
  }
  explicit LaterSubclass(HWND window) {
    previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    seen = 0;
  }
  static WNDPROC previous;
  static int seen;
};
WNDPROC LaterSubclass::previous = nullptr;
int LaterSubclass::seen = 0;

class LifetimeTest : public SkinnedFormTest {};

TEST_F(LifetimeTest, EngineGoingFirstLeavesAForeignWindowWorkingThroughEveryLayer) {
  ForeignWindow foreign;
  LoadTestSkin("plain.ssk");
  Engine().AttachWindow(foreign.handle, skinning::TvxWindowKind::kDialog);
  ASSERT_TRUE(Engine().FindSkinWindow(foreign.handle)->FrameOn());
  const RECT skinned = WindowRect(foreign.handle);
  LaterSubclass later(foreign.handle);

  form.reset();  // the engine goes with its form

  EXPECT_EQ(0, SendMessageW(foreign.handle, skinning::kMsgIsSkinned, 0, 0));
  EXPECT_EQ(7, SendMessageW(foreign.handle, kPing, 0, 0));
  EXPECT_EQ(1, ForeignWindow::pings);
  EXPECT_EQ(1, LaterSubclass::seen);
  EXPECT_NE(0, GetWindowLongW(foreign.handle, GWL_STYLE) & WS_SYSMENU);
  const RECT unskinned = WindowRect(foreign.handle);
  EXPECT_FALSE(EqualRect(&skinned, &unskinned));
  Pump(50);
}

TEST_F(LifetimeTest, AForeignWindowDestroyedFirstIsLetGoOf) {
  LoadTestSkin("plain.ssk");
  {
    ForeignWindow foreign;
    Engine().AttachWindow(foreign.handle, skinning::TvxWindowKind::kDialog);
    EXPECT_EQ(2u, Engine().Windows().size());
  }
  EXPECT_EQ(1u, Engine().Windows().size());
  LoadTestSkin("shaped.ssk");  // goes through every window the engine still has
}

TEST_F(LifetimeTest, AForeignWindowDestroyedInsideItsOwnMessageIsLetGoOfAfterwards) {
  LoadTestSkin("plain.ssk");
  ForeignWindow foreign;
  Engine().AttachWindow(foreign.handle, skinning::TvxWindowKind::kDialog);
  SendMessageW(foreign.handle, kDestroyYourself, 0, 0);
  EXPECT_FALSE(IsWindow(foreign.handle));
  EXPECT_EQ(1u, Engine().Windows().size());
}

TEST_F(LifetimeTest, SwitchingOffWithALaterSubclassKeepsEveryLayerAndPutsTheStyleBack) {
  ForeignWindow foreign;
  const RECT original = WindowRect(foreign.handle);
  LoadTestSkin("plain.ssk");
  Engine().AttachWindow(foreign.handle, skinning::TvxWindowKind::kDialog);
  LaterSubclass later(foreign.handle);
  Engine().SetActive(false);
  const RECT restored = WindowRect(foreign.handle);
  EXPECT_TRUE(EqualRect(&original, &restored));
  EXPECT_NE(0, GetWindowLongW(foreign.handle, GWL_STYLE) & WS_SYSMENU);
  EXPECT_EQ(7, SendMessageW(foreign.handle, kPing, 0, 0));
  EXPECT_EQ(1, LaterSubclass::seen);
  Engine().SetActive(true);
  EXPECT_TRUE(Engine().FindSkinWindow(foreign.handle)->FrameOn());
}

TEST_F(LifetimeTest, EngineGoingFirstTakesItselfOutOfOurControlsChains) {
  LoadTestSkin("plain.ssk");
  // Another handler put in front of the form after the engine.
  int seen = 0;
  const ui::TWndMethod inner = form->WindowProc();
  form->SetWindowProc([&seen, inner](ui::TMessage& message) {
    if (message.Msg == kPing) {
      ++seen;
    }
    inner(message);
  });
  delete form->engine;
  form->engine = nullptr;

  EXPECT_EQ(0, SendMessageW(form->Handle(), skinning::kMsgIsSkinned, 0, 0));
  EXPECT_EQ(0, SendMessageW(form->button->Handle(), skinning::kMsgIsSkinned, 0, 0));
  SendMessageW(form->Handle(), kPing, 0, 0);
  EXPECT_EQ(1, seen);
  EXPECT_EQ(form->mainMenu->Handle(), GetMenu(form->Handle()));
  form->SetCaption("Still working");
  SendMessageW(form->button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(1, form->clicks);
  Pump(50);
}

TEST_F(LifetimeTest, AMenuFreedWhileSkinnedIsLeftAloneWhenTheSkinGoesOff) {
  LoadTestSkin("plain.ssk");
  ASSERT_TRUE(form->popupMenu->OwnerDraw());
  delete form->popupMenu;
  form->popupMenu = nullptr;
  Engine().SetActive(false);
  EXPECT_FALSE(form->mainMenu->OwnerDraw());
  EXPECT_EQ(form->mainMenu->Handle(), GetMenu(form->Handle()));
}

TEST_F(LifetimeTest, AFormGoingFirstLeavesTheEngine) {
  TestFormOptions options;
  options.withEngine = false;
  auto other = std::make_unique<TestForm>(options);
  other->Show();
  LoadTestSkin("plain.ssk");
  Engine().AttachWindow(other->Handle(), skinning::TvxWindowKind::kForm);
  EXPECT_TRUE(Engine().FindSkinWindow(other->Handle())->FrameOn());
  other.reset();
  EXPECT_EQ(1u, Engine().Windows().size());
  LoadTestSkin("shaped.ssk");
}

}  // namespace
}  // namespace skinning_test
