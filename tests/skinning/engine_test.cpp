#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>

#include "base/path_text.h"
#include "skinning/engine/window_messages.h"
#include "tests/skinning/skinned_form_fixture.h"
#include "tests/support/test_folder.h"
#include "tests/support/window_driver.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "win/code_page.h"

namespace skinning_test {
namespace {

class EngineTest : public SkinnedFormTest {};

// What switching the skin on changes and off must put back.
struct FormLook {
  RECT window;
  RECT client;
  LONG style;
  HMENU menu;
  ui::TBounds button;
  ui::TBounds groupBox;
  ui::TBounds label;
  ui::TColor color;
  ui::TColor labelColor;
  ui::TColor labelTextColor;

  explicit FormLook(TestForm& form)
      : window(WindowRect(form.Handle())),
        style(GetWindowLongW(form.Handle(), GWL_STYLE)),
        menu(GetMenu(form.Handle())),
        button(form.button->Bounds()),
        groupBox(form.groupBox->Bounds()),
        label(form.label->Bounds()),
        color(form.Color()),
        labelColor(form.label->Color()),
        labelTextColor(form.label->Font().Color()) {
    GetClientRect(form.Handle(), &client);
  }
};

void ExpectSameLook(const FormLook& a, const FormLook& b) {
  EXPECT_TRUE(EqualRect(&a.window, &b.window));
  EXPECT_TRUE(EqualRect(&a.client, &b.client));
  EXPECT_EQ(a.style, b.style);
  EXPECT_EQ(a.menu, b.menu);
  for (auto [x, y] : {std::pair(a.button, b.button), std::pair(a.groupBox, b.groupBox),
                      std::pair(a.label, b.label)}) {
    EXPECT_EQ(x.left, y.left);
    EXPECT_EQ(x.top, y.top);
    EXPECT_EQ(x.width, y.width);
    EXPECT_EQ(x.height, y.height);
  }
  EXPECT_EQ(a.color, b.color);
  EXPECT_EQ(a.labelColor, b.labelColor);
  EXPECT_EQ(a.labelTextColor, b.labelTextColor);
}

TEST_F(EngineTest, SwitchingOffPutsBackMenusSizesAndPositionsExactly) {
  const FormLook unskinned(*form);
  LoadTestSkin("plain.ssk");
  const FormLook skinned(*form);
  const int menuBar =
      static_cast<int>(SendMessageW(form->Handle(), skinning::kMsgMenuBarHeight, 0, 0));
  EXPECT_EQ(nullptr, skinned.menu);
  EXPECT_EQ(0, skinned.style & WS_SYSMENU);
  EXPECT_EQ(unskinned.button.top + menuBar, skinned.button.top);
  EXPECT_EQ(unskinned.groupBox.top + menuBar, skinned.groupBox.top);
  EXPECT_EQ(unskinned.label.top, skinned.label.top);  // inside the group box
  EXPECT_EQ(kFormColor, skinned.color);
  EXPECT_EQ(kFormColor, skinned.labelColor);  // a label shows its parent's colour
  EXPECT_EQ(kControlFontColor, skinned.labelTextColor);
  EXPECT_TRUE(form->mainMenu->OwnerDraw());
  EXPECT_TRUE(form->popupMenu->OwnerDraw());

  // From one skin to another and back: as the first left it.
  LoadTestSkin("shaped.ssk");
  LoadTestSkin("plain.ssk");
  ExpectSameLook(skinned, FormLook(*form));

  // Another skin, then off: exactly as before.
  LoadTestSkin("shaped.ssk");
  Engine().SetActive(false);
  ExpectSameLook(unskinned, FormLook(*form));
  EXPECT_FALSE(form->mainMenu->OwnerDraw());
  EXPECT_FALSE(form->popupMenu->OwnerDraw());
  EXPECT_FALSE(form->openItem->OnDrawItem);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(ERROR, GetWindowRgn(form->Handle(), region));
  DeleteObject(region);

  // And on again: as skinned before.
  Engine().SetActive(true);
  LoadTestSkin("plain.ssk");
  ExpectSameLook(skinned, FormLook(*form));
}

TEST_F(EngineTest, ASkinThatFailsToReadClearsTheFileRaisesAndLeavesWindowsWorking) {
  const FormLook unskinned(*form);
  LoadTestSkin("plain.ssk");
  test_support::TestFolder folder;
  const std::string broken = folder.Write("broken.ssk", std::vector<uint8_t>{'S', 'K', 3, 4, 0, 0});
  try {
    Engine().SetSkinFile(broken);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ("Failed to read skin file!", error.what());
  }
  EXPECT_EQ("", Engine().SkinFile());
  EXPECT_FALSE(Engine().Ready());
  EXPECT_FALSE(Skinned().FrameOn());
  ExpectSameLook(unskinned, FormLook(*form));
  SendMessageW(form->button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(1, form->clicks);
  EXPECT_EQ(HTCAPTION,
            SendMessageW(form->Handle(), WM_NCHITTEST, 0, ScreenPoint(form->Handle(), 150, 8)));
}

TEST_F(EngineTest, ANameFoundNowhereChangesNothing) {
  LoadTestSkin("plain.ssk");
  const std::string loaded = Engine().SkinFile();
  int changes = 0;
  Engine().OnSkinChanged = [&changes](base::TComponent*) { ++changes; };
  Engine().SetSkinFile("Z:\\no\\such\\folder\\Vexmoor-no-such-skin.ssk");
  EXPECT_EQ(loaded, Engine().SkinFile());
  EXPECT_TRUE(Engine().Ready());
  EXPECT_TRUE(Skinned().FrameOn());
  EXPECT_EQ(0, changes);

  LoadTestSkin("plain.ssk");  // the same skin again loads again
  EXPECT_EQ(1, changes);
}

TEST_F(EngineTest, TheNameOfAPathFoundNowhereIsFoundInTheProgramsFolder) {
  char path[MAX_PATH];
  const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  const std::string name = "vexmoor-engine-test-bare.ssk";
  const std::string copy = base::ExtractFilePath(program) + name;
  ASSERT_TRUE(CopyFileA(TestSkinPath("shaped.ssk").c_str(), copy.c_str(), FALSE));
  Engine().SetSkinFile("Z:\\no\\such\\folder\\" + name);
  DeleteFileW(win::Utf8ToWide(copy).c_str());
  EXPECT_EQ(copy, Engine().SkinFile());
  EXPECT_TRUE(Engine().Ready());
}

TEST_F(EngineTest, MessageBoxesAreSkinnedWhileSkinDialogsIsOn) {
  LoadTestSkin("plain.ssk");
  for (bool skinDialogs : {true, false}) {
    SCOPED_TRACE(skinDialogs ? "SkinDialogs" : "not SkinDialogs");
    Engine().SetSkinDialogs(skinDialogs);
    LRESULT answer = -1;
    bool frameOn = false;
    LONG style = 0;
    POINT origin{};
    size_t windows = 0;
    test_support::WindowAnswerer answerer(L"#32770", [&](HWND box) {
      answer = SendMessageW(box, skinning::kMsgIsSkinned, 0, 0);
      skinning::TvxSkinWindow* skinned = Engine().FindSkinWindow(box);
      frameOn = skinned && skinned->FrameOn();
      style = GetWindowLongW(box, GWL_STYLE);
      origin = ClientOrigin(box);
      windows = Engine().Windows().size();
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    ui::ShowMessageBox(form.get(), "Skinned?", MB_OK);
    EXPECT_EQ(skinDialogs ? 1 : 0, answer);
    EXPECT_EQ(skinDialogs, frameOn);
    EXPECT_EQ(skinDialogs, (style & WS_SYSMENU) == 0);
    EXPECT_EQ(skinDialogs, origin.x == kLeftBorder);
    EXPECT_EQ(skinDialogs ? 2u : 1u, windows);
    // Closed, the box is let go of.
    EXPECT_EQ(1u, Engine().Windows().size());
  }
}

TEST_F(EngineTest, TheOpenDialogIsSkinnedAndStillAnswers) {
  LoadTestSkin("plain.ssk");
  ui::TOpenDialog dialog(form.get());
  dialog.SetOptions({true, true, true});
  bool skinned = false;
  size_t painters = 0;
  test_support::WindowAnswerer answerer(L"#32770", [&](HWND box) {
    skinning::TvxSkinWindow* window = Engine().FindSkinWindow(box);
    skinned = window && window->FrameOn();
    painters = window ? window->Painters().size() : 0;
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(dialog.Execute(form->Handle()));
  EXPECT_TRUE(skinned);
  EXPECT_GT(painters, 2u);  // its buttons and lists
  EXPECT_EQ(1u, Engine().Windows().size());
}

TEST_F(EngineTest, FirstShowOfTheMainFormSkinsEveryFormButTheExcludedOnes) {
  form.reset();
  ui::Application().SetMainForm(nullptr);
  form = std::make_unique<TestForm>();
  ui::Application().SetMainForm(form.get());
  TestFormOptions plainOptions;
  plainOptions.withEngine = false;
  TestForm other(plainOptions);
  TestFormOptions taggedOptions = plainOptions;
  taggedOptions.tag = 9999;
  TestForm tagged(taggedOptions);
  TestFormOptions popOptions = plainOptions;
  popOptions.className = "TfrmMSNPopForm";
  TestForm pop(popOptions);

  LoadTestSkin("plain.ssk");
  form->Show();
  Pump(50);
  ui::Application().SetMainForm(nullptr);
  EXPECT_NE(nullptr, Engine().FindSkinWindow(other.Handle()));
  EXPECT_EQ(nullptr, Engine().FindSkinWindow(tagged.Handle()));
  EXPECT_EQ(nullptr, Engine().FindSkinWindow(pop.Handle()));
  EXPECT_TRUE(Engine().FindSkinWindow(other.Handle())->FrameOn());

  Engine().SetSkinAllForms(false);
  EXPECT_EQ(nullptr, Engine().FindSkinWindow(other.Handle()));
  EXPECT_NE(0, GetWindowLongW(other.Handle(), GWL_STYLE) & WS_SYSMENU);
  EXPECT_EQ(1u, Engine().Windows().size());
  Engine().SetSkinAllForms(true);
  EXPECT_TRUE(Engine().FindSkinWindow(other.Handle())->FrameOn());
}

TEST_F(EngineTest, FormsOfTheClassTFormAreSkinnedAsTheyBecomeActive) {
  LoadTestSkin("plain.ssk");
  TestFormOptions options;
  options.withEngine = false;
  TestForm later(options);
  EXPECT_EQ(nullptr, Engine().FindSkinWindow(later.Handle()));
  later.Show();
  Pump(50);
  ASSERT_NE(nullptr, Engine().FindSkinWindow(later.Handle()));
  EXPECT_TRUE(Engine().FindSkinWindow(later.Handle())->FrameOn());
}

TEST_F(EngineTest, SizeGripsAreRefusedWhileSkinningUnlessTheyAskNoParentNotice) {
  auto grip = [this](DWORD exStyle) {
    HWND window = CreateWindowExW(exStyle, L"SCROLLBAR", L"", WS_CHILD | SBS_SIZEGRIP, 0, 0, 16, 16,
                                  form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    const bool made = window != nullptr;
    if (window) {
      DestroyWindow(window);
    }
    return made;
  };
  EXPECT_TRUE(grip(0));  // no skin yet
  LoadTestSkin("plain.ssk");
  EXPECT_FALSE(grip(0));
  EXPECT_TRUE(grip(WS_EX_NOPARENTNOTIFY));
}

TEST_F(EngineTest, SettingsAndTheirFailures) {
  EXPECT_STREQ("4.1", Engine().Version());
  EXPECT_EQ(9999, Engine().DisabledTag());
  EXPECT_TRUE(Engine().SkinDialogs());
  EXPECT_TRUE(Engine().SkinAllForms());
  EXPECT_TRUE(Engine().DrawScrollBar());
  EXPECT_FALSE(Engine().BuiltIn());
  EXPECT_THROW(Engine().SetBuiltIn(true), std::runtime_error);
  try {
    new skinning::TvxSkinEngine(form.get());
    FAIL() << "a second engine";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ("One form can only catch one TvxSkinEngine!", error.what());
  }
  EXPECT_THROW(skinning::TvxSkinEngine(nullptr), std::runtime_error);

  Engine().SetResSysMenuMax("Zoom");
  EXPECT_EQ("Zoom", Engine().SystemMenu().Items().Item(1)->Caption());
  EXPECT_EQ("Mi&nimize", Engine().SystemMenu().Items().Item(0)->Caption());
  EXPECT_EQ("&Close", Engine().SystemMenu().Items().Item(3)->Caption());
}

TEST_F(EngineTest, PrivateMessagesTellWhatIsSkinnedAndActive) {
  LoadTestSkin("plain.ssk");
  SetActiveWindow(form->Handle());
  EXPECT_EQ(1, SendMessageW(form->Handle(), skinning::kMsgIsSkinned, 0, 0));
  EXPECT_EQ(1, SendMessageW(form->button->Handle(), skinning::kMsgIsSkinned, 0, 0));
  EXPECT_EQ(1, SendMessageW(form->Handle(), skinning::kMsgIsActive, 0, 0));
  TestFormOptions options;
  options.withEngine = false;
  TestForm other(options);
  EXPECT_EQ(0, SendMessageW(other.Handle(), skinning::kMsgIsSkinned, 0, 0));
  other.Show();
  Pump(50);
  ASSERT_NE(form->Handle(), GetActiveWindow());
  EXPECT_EQ(2, SendMessageW(form->Handle(), skinning::kMsgIsActive, 0, 0));
}

TEST_F(EngineTest, AControlTaggedDisabledGetsNoPainter) {
  TestFormOptions options;
  options.withEngine = false;
  TestForm other(options);
  other.button->SetTag(9999);
  Engine().AttachWindow(other.Handle(), skinning::TvxWindowKind::kForm);
  EXPECT_EQ(0, SendMessageW(other.button->Handle(), skinning::kMsgIsSkinned, 0, 0));
  EXPECT_EQ(1, SendMessageW(other.label->Handle(), skinning::kMsgIsSkinned, 0, 0));
}

}  // namespace
}  // namespace skinning_test
