#include <gtest/gtest.h>

#include <string>

#include "tests/support/window_driver.h"
#include "ui/action.h"
#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace {

using namespace ui;

std::wstring MenuText(HMENU menu, UINT command) {
  wchar_t text[256] = {};
  GetMenuStringW(menu, command, text, 256, MF_BYCOMMAND);
  return text;
}

bool MenuItemEnabled(HMENU menu, UINT command) {
  return (GetMenuState(menu, command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

// One action shown by a button, an entry of the menu bar's File menu and an
// entry of a popup menu.
class ActionTest : public testing::Test {
 protected:
  ActionTest() {
    actions = new TActionList(&form);
    add = new TAction(actions);
    add->SetCaption("Add");
    add->OnExecute = [this](base::TComponent* sender) {
      ++executed;
      EXPECT_EQ(add, sender);
    };
    button = new TButton(&form, {{8, 8, 60, 25}, "", add});
    auto* menu = new TMainMenu(&form);
    fileMenu = new TMenuItem(&menu->Items(), {"File", "N_1"});
    fileAdd = new TMenuItem(fileMenu, {"", "", add});
    popup = new TPopupMenu(&form);
    popupAdd = new TMenuItem(&popup->Items(), {"", "", add});
    form.Show();
  }

  TForm form{TFormOptions{"Actions", 100, 100, 300, 100}};
  TActionList* actions;
  TAction* add;
  TButton* button;
  TMenuItem* fileMenu;
  TMenuItem* fileAdd;
  TPopupMenu* popup;
  TMenuItem* popupAdd;
  int executed = 0;
};

TEST_F(ActionTest, CaptionAndEnabledStateReachEveryClientAtOnce) {
  EXPECT_EQ("Add", button->Caption());
  EXPECT_EQ(L"Add", MenuText(fileMenu->Handle(), fileAdd->Command()));

  add->SetCaption("添加");
  add->SetEnabled(false);
  EXPECT_EQ(L"添加", test_support::WindowText(button->Handle()));
  EXPECT_EQ(L"添加", MenuText(fileMenu->Handle(), fileAdd->Command()));
  EXPECT_EQ(L"添加", MenuText(popup->Handle(), popupAdd->Command()));
  EXPECT_FALSE(IsWindowEnabled(button->Handle()));
  EXPECT_FALSE(MenuItemEnabled(fileMenu->Handle(), fileAdd->Command()));
  EXPECT_FALSE(MenuItemEnabled(popup->Handle(), popupAdd->Command()));

  add->SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(button->Handle()));
  EXPECT_TRUE(MenuItemEnabled(fileMenu->Handle(), fileAdd->Command()));
}

TEST_F(ActionTest, ButtonAndMenuEntryExecuteOnlyAnEnabledAction) {
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  SendMessageW(form.Handle(), WM_COMMAND, fileAdd->Command(), 0);
  EXPECT_EQ(2, executed);

  add->SetEnabled(false);
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  SendMessageW(form.Handle(), WM_COMMAND, fileAdd->Command(), 0);
  add->Execute();
  EXPECT_EQ(2, executed);
}

TEST_F(ActionTest, ClientsOutliveTheirAction) {
  delete add;
  EXPECT_EQ(nullptr, button->Action());
  EXPECT_EQ(nullptr, fileAdd->Action());
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  SendMessageW(form.Handle(), WM_COMMAND, fileAdd->Command(), 0);
  EXPECT_EQ(0, executed);
}

TEST_F(ActionTest, MenuEntriesWithoutActionClickTheirHandler) {
  int clicked = 0;
  auto* separator = new TMenuItem(fileMenu, {"-"});
  auto* exit =
      new TMenuItem(fileMenu, {"Exit", "", nullptr, [&](base::TComponent*) { ++clicked; }});
  EXPECT_EQ(3, GetMenuItemCount(fileMenu->Handle()));
  EXPECT_TRUE(GetMenuState(fileMenu->Handle(), separator->Command(), MF_BYCOMMAND) & MF_SEPARATOR);
  SendMessageW(form.Handle(), WM_COMMAND, exit->Command(), 0);
  exit->SetEnabled(false);
  SendMessageW(form.Handle(), WM_COMMAND, exit->Command(), 0);
  EXPECT_EQ(1, clicked);

  const UINT separatorCommand = separator->Command();
  delete separator;
  EXPECT_EQ(2, GetMenuItemCount(fileMenu->Handle()));
  EXPECT_EQ(nullptr, TMenuItem::FromCommand(separatorCommand));
}

}  // namespace
