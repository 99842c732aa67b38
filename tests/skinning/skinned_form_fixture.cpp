#include "tests/skinning/skinned_form_fixture.h"

#include "tests/support/window_driver.h"
#include "ui/application.h"

namespace skinning_test {

std::string TestSkinPath(const std::string& name) {
  return VEXMOOR_NATIVE_BUILD "/test-skins/" + name;
}

std::string ShippedSkinPath(const std::string& name) {
  return VEXMOOR_NATIVE_BUILD "/skins/" + name + ".ssk";
}

namespace {

ui::TFormOptions FormOptions(const TestFormOptions& options) {
  ui::TFormOptions form;
  form.caption = options.caption;
  form.left = 100;
  form.top = 80;
  form.clientWidth = 300;
  form.clientHeight = 200;
  form.borderStyle = options.borderStyle;
  form.borderIcons = options.borderIcons;
  form.className = options.className;
  return form;
}

}  // namespace

TestForm::TestForm(const TestFormOptions& options) : ui::TForm(FormOptions(options)) {
  SetTag(options.tag);
  auto choose = [this](const char* name) {
    return [this, name](base::TComponent*) { chosen.push_back(name); };
  };
  mainMenu = new ui::TMainMenu(this);
  fileMenu = new ui::TMenuItem(&mainMenu->Items(), {"&File"});
  openItem = new ui::TMenuItem(fileMenu, {"&Open", "", nullptr, choose("open")});
  new ui::TMenuItem(fileMenu, {"-"});
  exitItem = new ui::TMenuItem(fileMenu, {"E&xit\tAlt+F4", "", nullptr, choose("exit")});
  skinMenu = new ui::TMenuItem(&mainMenu->Items(), {"&Skin"});
  new ui::TMenuItem(skinMenu, {"Skin&1", "", nullptr, choose("skin1")});
  new ui::TMenuItem(skinMenu, {"Skin&2", "", nullptr, choose("skin2")});
  popupMenu = new ui::TPopupMenu(this);
  new ui::TMenuItem(&popupMenu->Items(), {"&Add", "", nullptr, choose("add")});
  new ui::TMenuItem(&popupMenu->Items(), {"-"});
  new ui::TMenuItem(&popupMenu->Items(), {"&Remove\tDel", "", nullptr, choose("remove")});
  button = new ui::TButton(this, {{10, 10, 80, 25}, "Go"});
  button->OnClick = [this](base::TComponent*) { ++clicks; };
  groupBox = new ui::TGroupBox(this, {{10, 50, 280, 100}, "Box"});
  label = new ui::TLabel(groupBox, {{10, 20, 100, 13}, "Label"});
  if (options.withEngine) {
    engine = new skinning::TvxSkinEngine(this);
    engine->SetActive(true);
    engine->Loaded();
  }
}

void SkinnedFormTest::SetUp() {
  ui::Application().Initialize();
  ui::Application().SetOnException([this](const std::string& text) { errors.push_back(text); });
  form = std::make_unique<TestForm>();
  form->Show();
  Pump(50);
}

void SkinnedFormTest::RemakeForm(const TestFormOptions& options) {
  form.reset();
  form = std::make_unique<TestForm>(options);
  form->Show();
  Pump(50);
}

void SkinnedFormTest::TearDown() {
  form.reset();
  EXPECT_TRUE(errors.empty()) << errors.front();
  ui::Application().SetOnException(nullptr);
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

POINT ClientOrigin(HWND window) {
  const RECT outer = WindowRect(window);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return {origin.x - outer.left, origin.y - outer.top};
}

LPARAM ScreenPoint(HWND window, int x, int y) {
  const RECT outer = WindowRect(window);
  return MAKELPARAM(outer.left + x, outer.top + y);
}

void Pump(DWORD milliseconds) {
  test_support::PumpUntil([] { return false; }, milliseconds);
}

void PaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

void ShowOnScreen() {
  MsgWaitForMultipleObjectsEx(0, nullptr, 1, QS_ALLINPUT, 0);
}

COLORREF ShownPixel(HWND window, POINT screenPoint) {
  ShowOnScreen();
  HWND top = GetAncestor(window, GA_ROOT);
  RECT bounds{};
  GetWindowRect(top, &bounds);
  const UnclippedWindowDC dc(top);
  return GetPixel(dc.Get(), screenPoint.x - bounds.left, screenPoint.y - bounds.top);
}

}  // namespace skinning_test
