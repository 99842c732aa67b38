// A form freed by its own button's click, as a secondary form would be if
// it were freed when done. Run with Wine's heap checks (see
// CMakeLists.txt): freed memory is filled, so a read of it shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "tests/support/window_driver.h"
#include "ui/action.h"
#include "ui/application.h"
#include "ui/buttons.h"
#include "ui/form.h"

namespace {

using namespace ui;

// The button has a modal result, which a click sets on its form once the
// click's handler is done: a button that is gone by then must not.
struct FreeingForm {
  FreeingForm() {
    form = new TForm(TFormOptions{"Freed by its button", 200, 150, 200, 80});
    button = new TButton(form, {{20, 20, 80, 25}, "Close", nullptr, mrOk});
  }
  TForm* form;
  TButton* button;
};

TEST(FreedByItsOwnClick, AFormFreedByItsButtonTwentyTimesOverLeavesNothingBehind) {
  Application().Initialize();
  using Click = std::function<void(HWND button)>;
  struct Case {
    const char* what;
    bool throughAction;
    Click click;
  };
  const Case cases[] = {
      {"the system's click message", false,
       [](HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }},
      {"a press and release of the mouse", false,
       [](HWND button) {
         SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
         SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
       }},
      {"the button's action", true, [](HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }},
  };
  for (const Case& c : cases) {
    int freed = 0;
    for (int round = 0; round < 20; ++round) {
      FreeingForm made;
      TForm* form = made.form;
      auto freeForm = [&form, &freed](base::TComponent*) {
        delete form;
        form = nullptr;
        ++freed;
      };
      if (c.throughAction) {
        auto* action = new TAction(form);
        action->OnExecute = freeForm;
        made.button->SetAction(action);
      } else {
        made.button->OnClick = freeForm;
      }
      HWND window = form->Handle();
      form->Show();
      c.click(made.button->Handle());
      test_support::PumpUntil([] { return false; }, 10);
      ASSERT_EQ(round + 1, freed) << c.what;
      EXPECT_FALSE(IsWindow(window)) << c.what;
    }
  }
}

}  // namespace
