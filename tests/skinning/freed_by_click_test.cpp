// A skinned form freed by its own button's click, as a secondary form
// would be if it were freed when done. Run with Wine's heap checks (see
// CMakeLists.txt): freed memory is filled and checked when it is handed
// out again, so a write to a freed painter shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <vector>

#include "skinning/engine/window_messages.h"
#include "tests/skinning/skinned_form_fixture.h"

namespace skinning_test {
namespace {

class FreedByClickTest : public SkinnedFormTest {};

// Each way the button's painter clicks; the button has a modal result,
// which a click sets on its form once the click's handler is done.
TEST_F(FreedByClickTest, ASkinnedFormFreedByItsButtonTwentyTimesOverLeavesTheEngineWhole) {
  LoadTestSkin("plain.ssk");
  using Click = std::function<void(HWND button)>;
  auto send = [](UINT message, WPARAM wParam, LPARAM lParam) {
    return [=](HWND button) { SendMessageW(button, message, wParam, lParam); };
  };
  struct Case {
    const char* what;
    std::vector<Click> steps;
  };
  const Case cases[] = {
      {"a press and release of the mouse",
       {send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10)),
        send(WM_LBUTTONUP, 0, MAKELPARAM(10, 10))}},
      {"the space key",
       {[](HWND button) { SetFocus(button); }, send(WM_KEYDOWN, VK_SPACE, 0),
        send(WM_KEYUP, VK_SPACE, 0)}},
      {"the return character", {[](HWND button) { SetFocus(button); }, send(WM_CHAR, 13, 0)}},
      {"the system's click message", {send(BM_CLICK, 0, 0)}},
  };
  for (const Case& c : cases) {
    int freed = 0;
    for (int round = 0; round < 20; ++round) {
      TestFormOptions options;
      options.withEngine = false;
      auto* other = new TestForm(options);
      other->button->SetModalResult(ui::mrOk);
      other->button->OnClick = [&other, &freed](base::TComponent*) {
        delete other;
        other = nullptr;
        ++freed;
      };
      other->Show();
      SetActiveWindow(other->Handle());
      HWND window = other->Handle();
      HWND button = other->button->Handle();
      Engine().AttachWindow(window, skinning::TvxWindowKind::kForm);
      ASSERT_TRUE(Engine().FindSkinWindow(window)->FrameOn()) << c.what;
      ASSERT_EQ(1, SendMessageW(button, skinning::kMsgIsSkinned, 0, 0)) << c.what;
      for (const Click& step : c.steps) {
        step(button);
      }
      Pump(10);
      ASSERT_EQ(round + 1, freed) << c.what;
      EXPECT_FALSE(IsWindow(window)) << c.what;
      EXPECT_EQ(1u, Engine().Windows().size()) << c.what;
    }
  }
  // The engine goes on skinning its own form.
  LoadTestSkin("shaped.ssk");
  EXPECT_TRUE(Skinned().FrameOn());
  SendMessageW(form->button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(1, form->clicks);
}

}  // namespace
}  // namespace skinning_test
