#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skinning/engine/skin_engine.h"
#include "skinning/frames/skin_window.h"
#include "tests/skinning/test_skin_layout.h"
#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/std_controls.h"
#include "win/gdi.h"

namespace skinning_test {

// The test skins (plain.ssk, shaped.ssk) and the shipped ones, as the
// native tree wrote them.
std::string TestSkinPath(const std::string& name);
std::string ShippedSkinPath(const std::string& name);

struct TestFormOptions {
  std::string caption = "Skinned";
  ui::TBorderStyle borderStyle = ui::TBorderStyle::bsSingle;
  ui::TBorderIcons borderIcons{true, true, true};
  std::string className = "TForm";
  int tag = 0;
  bool withEngine = true;
};

// A form like the program's: a main menu of two entries, a popup menu, a
// button and a group box holding a label, with a skin engine on it (made
// last, active) unless asked otherwise. Client area 300 x 200 at (100, 80).
class TestForm : public ui::TForm {
 public:
  explicit TestForm(const TestFormOptions& options = {});

  ui::TMainMenu* mainMenu;
  ui::TMenuItem* fileMenu;
  ui::TMenuItem* openItem;
  ui::TMenuItem* exitItem;
  ui::TMenuItem* skinMenu;
  ui::TPopupMenu* popupMenu;
  ui::TButton* button;
  ui::TGroupBox* groupBox;
  ui::TLabel* label;
  skinning::TvxSkinEngine* engine = nullptr;
  int clicks = 0;
  std::vector<std::string> chosen;  // the menu items clicked
};

// One test form shown, every exception that reaches the application's
// handler collected instead of shown.
class SkinnedFormTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  skinning::TvxSkinEngine& Engine() { return *form->engine; }
  skinning::TvxSkinWindow& Skinned() { return *Engine().FindSkinWindow(form->Handle()); }
  void LoadTestSkin(const std::string& name) { Engine().SetSkinFile(TestSkinPath(name)); }
  // The test form made anew with other options, shown.
  void RemakeForm(const TestFormOptions& options);

  std::unique_ptr<TestForm> form;
  std::vector<std::string> errors;
};

RECT WindowRect(HWND window);
// The client area's origin in window coordinates.
POINT ClientOrigin(HWND window);
// A point in window coordinates as a message's screen-point parameter.
LPARAM ScreenPoint(HWND window, int x, int y);
// Dispatches messages for a while.
void Pump(DWORD milliseconds);

// Paints the window, its frame included, now.
void PaintNow(HWND window);

// Wine puts what windows draw on the screen when the thread waits for
// messages; it need not handle any.
void ShowOnScreen();

// The whole window, its children's pixels included: not clipped by the
// window's styles, as a window DC is.
class UnclippedWindowDC : public win::BorrowedDC {
 public:
  explicit UnclippedWindowDC(HWND window)
      : BorrowedDC(window, GetDCEx(window, nullptr, DCX_WINDOW | DCX_CACHE)) {}
};

// What a window shows at a point of the screen, with the windows over it:
// read from the picture of its top-level window, which Wine puts on the
// screen, and not from the screen itself, where the windows of tests
// running at the same time may lie over it.
COLORREF ShownPixel(HWND window, POINT screenPoint);

}  // namespace skinning_test
