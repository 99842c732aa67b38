#include <gtest/gtest.h>

#include <map>

#include "tests/main_window/main_window_fixture.h"
#include "win/code_page.h"

namespace main_window_test {
namespace {

using EnabledStates = std::map<std::string, bool>;
using BusyStateTest = MainWindowTest;

bool MenuEntryEnabled(HMENU menu, UINT item, UINT by) {
  return !(GetMenuState(menu, item, by) & (MF_GRAYED | MF_DISABLED));
}

std::string MenuEntryText(HMENU menu, UINT command) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, command, text, 128, MF_BYCOMMAND);
  return win::WideToUtf8(text);
}

ui::TMenuItem* ConvertMenuEntry(app::TfrmMain& form) {
  for (int index = 0; index < form.N_1->Count(); ++index) {
    if (form.N_1->Item(index)->Action() == form.ActionConvertNow) {
      return form.N_1->Item(index);
    }
  }
  return nullptr;
}

// What the user can reach: the windows of the controls, the entries of
// the File menu and the list's popup menu (named after their actions), and
// the other menus of the menu bar.
EnabledStates Reachable(app::TfrmMain& form) {
  EnabledStates states;
  for (ui::TControl* control : std::initializer_list<ui::TControl*>{
           form.listViewFiles, form.buttonAdd, form.buttonDelete, form.buttonClearAll,
           form.buttonMoveUp, form.buttonMoveDown, form.comboBoxVideoBitrate,
           form.comboBoxFrameRate, form.comboBoxVideoSize, form.comboBoxAudioBitrate,
           form.comboBoxSampleRate, form.comboBoxChannel, form.editOutputFolder, form.BitBtnOutput,
           form.buttonConvert}) {
    states[control->Name()] = IsWindowEnabled(control->Handle()) != FALSE;
  }
  const std::pair<const char*, ui::TMenuItem*> menus[] = {{"File", form.N_1},
                                                          {"Popup", &form.PopupMenu->Items()}};
  for (const auto& [menuName, menu] : menus) {
    for (int index = 0; index < menu->Count(); ++index) {
      if (ui::TAction* action = menu->Item(index)->Action()) {
        states[std::string(menuName) + "." + action->Name()] =
            MenuEntryEnabled(menu->Handle(), menu->Item(index)->Command(), MF_BYCOMMAND);
      }
    }
  }
  for (UINT position : {1u, 2u, 3u}) {
    states["menu bar " + std::to_string(position)] =
        MenuEntryEnabled(form.MainMenu->Handle(), position, MF_BYPOSITION);
  }
  return states;
}

// While the encoder runs, the job list, its commands, the settings and the
// output folder are out of reach; Convert (now Stop), Exit and the Skin,
// Tools and Help menus stay. Everything comes back when it ends.
TEST_F(BusyStateTest, RunningEncoderLocksTheListAndSettingsButNotConvertOrExit) {
  EXPECT_EQ("&Convert", form->buttonConvert->Caption());
  AddEntry("clip.avi", "wait");
  EnabledStates busy;
  std::string busyCaption, busyMenuCaption;
  WhileEncoderWaits observer(*form, [&] {
    busy = Reachable(*form);
    busyCaption = form->buttonConvert->Caption();
    busyMenuCaption = MenuEntryText(form->N_1->Handle(), ConvertMenuEntry(*form)->Command());
    SendMessageW(form->buttonConvert->Handle(), BM_CLICK, 0, 0);
  });

  PressConvert();
  ASSERT_FALSE(busy.empty());
  EnabledStates expected;
  for (const auto& [name, enabled] : busy) {
    expected[name] = false;
  }
  for (const char* name : {"buttonConvert", "File.ActionConvertNow", "File.ActionExit",
                           "menu bar 1", "menu bar 2", "menu bar 3"}) {
    expected[name] = true;
  }
  EXPECT_EQ(expected, busy);
  EXPECT_EQ("Stop", busyCaption);
  EXPECT_EQ("Stop", busyMenuCaption);

  // All but the command that converts failed entries again: none failed.
  for (const auto& [name, enabled] : Reachable(*form)) {
    EXPECT_EQ(name != "File.ActionConvertFailed", enabled) << name;
  }
  EXPECT_EQ("Convert", form->buttonConvert->Caption());
}

}  // namespace
}  // namespace main_window_test
