#include <gtest/gtest.h>

#include "tests/support/window_driver.h"
#include "ui/buttons.h"
#include "ui/form.h"

namespace {

using namespace ui;

// Closing the main form ends the message loop; a modal form open at that
// moment ends with mrCancel first. Run once: the end cannot be undone.
TEST(RunTest, ClosingTheMainFormEndsTheProgram) {
  auto mainForm = CreateForm<TForm>(TFormOptions{"Main", 10, 10, 300, 200});
  auto prompt = CreateForm<TForm>(TFormOptions{"Prompt", 50, 50, 200, 100});
  ASSERT_EQ(mainForm.get(), Application().MainForm());
  mainForm->Show();

  int promptResult = -1;
  auto* open = new TButton(mainForm.get(), {{8, 8, 60, 25}, "Open"});
  open->OnClick = [&](base::TComponent*) { promptResult = prompt->ShowModal(); };
  test_support::RepeatingTimer driver([&] {
    if (!IsWindowVisible(prompt->Handle())) {
      PostMessageW(open->Handle(), BM_CLICK, 0, 0);
      return false;
    }
    mainForm->Close();
    return true;
  });

  EXPECT_EQ(0, Application().Run());
  EXPECT_TRUE(Application().Terminated());
  EXPECT_EQ(mrCancel, promptResult);
  EXPECT_FALSE(IsWindowVisible(mainForm->Handle()));
}

}  // namespace
