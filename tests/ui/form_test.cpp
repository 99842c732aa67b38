#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "tests/support/window_driver.h"
#include "ui/buttons.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/std_controls.h"

namespace {

using namespace ui;
using test_support::RepeatingTimer;

// A small dialog like the program's prompts: three buttons with modal
// results (the last one the default) and a check box.
class PromptForm : public TForm {
 public:
  PromptForm()
      : TForm(TFormOptions{"Prompt", 350, 320, 354, 118, TBorderStyle::bsDialog,
                           TBorderIcons::DialogOnly()}),
        yes(new TButton(this, {{40, 56, 65, 25}, "Yes", nullptr, mrYes})),
        no(new TButton(this, {{144, 56, 65, 25}, "No", nullptr, mrNo})),
        other(new TButton(this, {{248, 56, 65, 25}, "Other", nullptr, mrOk, true})),
        notice(new TCheckBox(this, {{8, 88, 321, 17}, "Remember"})) {
    yes->OnClick = [this](base::TComponent*) { clicked = "yes"; };
    no->OnClick = [this](base::TComponent*) { clicked = "no"; };
    other->OnClick = [this](base::TComponent*) { clicked = "other"; };
  }

  TButton* yes;
  TButton* no;
  TButton* other;
  TCheckBox* notice;
  std::string clicked;
};

// Runs an action once the form is up in its modal loop. Whether the form
// is also the active window is not waited for: the tests share the desktop
// with other programs that may take the foreground at any moment.
void WhenShown(TForm& form, std::function<void()> action) {
  static std::unique_ptr<RepeatingTimer> timer;
  timer = std::make_unique<RepeatingTimer>([&form, action] {
    if (!IsWindowVisible(form.Handle())) {
      return false;
    }
    action();
    return true;
  });
}

// Posts a key press to a control. The tests name the control that has the
// focus while the form is active, its first button, rather than asking for
// the focus, which is empty while another program holds the foreground.
void PressKey(HWND window, UINT key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

struct ModalCase {
  const char* name;
  std::function<void(PromptForm&)> answer;
  int modalResult;
  const char* clicked;
};

TEST(FormTest, ModalFormEndsWithTheResultOfHowItWasAnswered) {
  const ModalCase cases[] = {
      {"button with a result",
       [](PromptForm& form) { PostMessageW(form.no->Handle(), BM_CLICK, 0, 0); }, mrNo, "no"},
      {"close box", [](PromptForm& form) { PostMessageW(form.Handle(), WM_CLOSE, 0, 0); }, mrCancel,
       ""},
      {"escape", [](PromptForm& form) { PressKey(form.yes->Handle(), VK_ESCAPE); }, mrCancel, ""},
      // The focus is on the first button; Enter still presses the default.
      {"enter", [](PromptForm& form) { PressKey(form.yes->Handle(), VK_RETURN); }, mrOk, "other"},
  };
  PromptForm form;
  for (const ModalCase& c : cases) {
    SCOPED_TRACE(c.name);
    form.clicked.clear();
    WhenShown(form, [&] { c.answer(form); });
    EXPECT_EQ(c.modalResult, form.ShowModal());
    EXPECT_EQ(c.clicked, form.clicked);
    // Hidden, not destroyed, ready for the next showing.
    EXPECT_TRUE(IsWindow(form.Handle()));
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
  }
}

TEST(FormTest, ModalFormDisablesTheOtherWindowsUntilItEnds) {
  TForm owner(TFormOptions{"Owner", 10, 10, 200, 100});
  owner.Show();
  PromptForm prompt;
  bool ownerEnabledMeanwhile = true;
  WhenShown(prompt, [&] {
    ownerEnabledMeanwhile = IsWindowEnabled(owner.Handle()) != FALSE;
    PostMessageW(prompt.yes->Handle(), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(mrYes, prompt.ShowModal());
  EXPECT_FALSE(ownerEnabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST(FormTest, RefusedCloseKeepsTheModalFormOpen) {
  PromptForm form;
  int closeQuestions = 0;
  form.OnClose = [&](base::TComponent*, TCloseAction& action) {
    if (++closeQuestions == 1) {
      action = TCloseAction::caNone;
    }
  };
  WhenShown(form, [&] {
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    PostMessageW(form.yes->Handle(), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(mrYes, form.ShowModal());
  EXPECT_EQ(2, closeQuestions);
}

TEST(FormTest, ModalFormAnsweredFromACreationHook) {
  PromptForm form;
  test_support::CbtHook hook([&](int code, WPARAM wParam, LPARAM) {
    if (code == HCBT_ACTIVATE && reinterpret_cast<HWND>(wParam) == form.Handle()) {
      PostMessageW(form.other->Handle(), BM_CLICK, 0, 0);
    }
  });
  EXPECT_EQ(mrOk, form.ShowModal());
  EXPECT_EQ("other", form.clicked);
}

// Escape presses the cancel button, with its handler and its modal result,
// on a modal form as on a modeless one; without one it only ends a modal
// form.
TEST(FormTest, EscapePressesTheCancelButton) {
  PromptForm form;
  form.no->SetCancel(true);
  WhenShown(form, [&] { PressKey(form.yes->Handle(), VK_ESCAPE); });
  EXPECT_EQ(mrNo, form.ShowModal());
  EXPECT_EQ("no", form.clicked);

  form.clicked.clear();
  form.Show();
  SetFocus(form.notice->Handle());
  PressKey(form.notice->Handle(), VK_ESCAPE);
  test_support::PumpUntil([&] { return !form.clicked.empty(); }, 2000);
  EXPECT_EQ("no", form.clicked);

  form.Hide();
  form.no->SetCancel(false);
  EXPECT_EQ(nullptr, form.CancelButton());
  form.clicked.clear();
  WhenShown(form, [&] { PressKey(form.yes->Handle(), VK_ESCAPE); });
  EXPECT_EQ(mrCancel, form.ShowModal());
  EXPECT_EQ("", form.clicked);
}

TEST(FormTest, ShowingAVisibleFormModallyIsRefused) {
  PromptForm form;
  form.Show();
  EXPECT_THROW(form.ShowModal(), std::logic_error);
}

// A show handler that shows the window itself, as a fade does, is not
// called again; a close query can keep the form open.
TEST(FormTest, EventsFollowTheFormsLife) {
  std::string events;
  struct EventForm : TForm {
    explicit EventForm(std::string& events) : TForm(TFormOptions{"Events", 0, 0, 100, 50}) {
      OnCreate = [&events](base::TComponent*) { events += "create "; };
      OnShow = [this, &events](base::TComponent*) {
        events += "show ";
        ShowWindow(Handle(), SW_SHOWNA);
      };
      OnCloseQuery = [this, &events](base::TComponent*, bool& canClose) {
        events += "query ";
        canClose = mayClose;
      };
      OnClose = [&events](base::TComponent*, TCloseAction&) { events += "close "; };
    }
    bool mayClose = false;
  };
  auto form = CreateForm<EventForm>(events);
  // Not the main form here: closing that would end the test program.
  ASSERT_EQ(form.get(), Application().MainForm());
  Application().SetMainForm(nullptr);
  form->Show();
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  form->mayClose = true;
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  form->Show();
  EXPECT_EQ("create show query query close show ", events);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST(FormTest, ClientSizeAndBorderFollowTheOptions) {
  TForm form(
      TFormOptions{"Main", 317, 154, 414, 411, TBorderStyle::bsSingle, TBorderIcons::FixedSize()});
  EXPECT_EQ(414, form.ClientWidth());
  EXPECT_EQ(411, form.ClientHeight());
  EXPECT_EQ(317, form.Left());
  EXPECT_EQ(154, form.Top());
  const LONG style = GetWindowLongW(form.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  TForm dialog(TFormOptions{"Dialog", 0, 0, 354, 118, TBorderStyle::bsDialog});
  const LONG dialogStyle = GetWindowLongW(dialog.Handle(), GWL_STYLE);
  EXPECT_TRUE(dialogStyle & WS_SYSMENU);
  EXPECT_FALSE(dialogStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(354, dialog.ClientWidth());
}

struct MessageBoxCase {
  UINT answer;
  UINT flags;
};

TEST(FormTest, MessageBoxIsOwnedCaptionedAndAnswered) {
  Application().SetTitle("Vexmoor test");
  TForm owner(TFormOptions{"Owner", 10, 10, 200, 100});
  owner.Show();
  for (const MessageBoxCase& c :
       {MessageBoxCase{IDOK, MB_OKCANCEL}, MessageBoxCase{IDCANCEL, MB_OKCANCEL},
        MessageBoxCase{IDNO, MB_YESNO}}) {
    SCOPED_TRACE(c.answer);
    HWND boxOwner = nullptr;
    std::wstring caption;
    test_support::WindowAnswerer answerer(L"#32770", [&](HWND box) {
      boxOwner = GetWindow(box, GW_OWNER);
      caption = test_support::WindowText(box);
      PostMessageW(box, WM_COMMAND, c.answer, 0);
    });
    EXPECT_EQ(static_cast<int>(c.answer), ShowMessageBox(&owner, "Clear the list?", c.flags));
    EXPECT_EQ(owner.Handle(), boxOwner);
    EXPECT_EQ(L"Vexmoor test", caption);
  }
}

}  // namespace
