// Every caption of the program's buttons, labels, check boxes and group
// boxes fits the room its painter gives it, in every skin, measured with
// the control's own font. Built twice: with the English file in an English
// locale, and with the Chinese file in a Chinese one (code page 936), as
// users of each see them.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "settings/skin_files.h"
#include "skinning/pictures/button_picture.h"
#include "skinning/pictures/check_box_picture.h"
#include "tests/app/program_fixture.h"
#include "ui/buttons.h"
#include "ui/std_controls.h"
#include "win/code_page.h"
#include "win/gdi.h"

namespace app_test {
namespace {

// The system draws a check box's text after its 13-pixel box and a gap.
constexpr int kCheckTextGap = 4;
// A group box's caption stands this far in from the frame's corner; the
// same room is kept before the corner at the other end.
constexpr int kGroupCaptionIndent = 8;

struct Fit {
  std::string control;
  std::string caption;
  int width;  // of the caption in the control's font
  int room;
};

// The caption's width as DrawText lays it on one line, the accelerator's
// "&" taken out.
int CaptionWidth(const ui::TControl& control) {
  const std::wstring caption = win::Utf8ToWide(control.Caption());
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(control.Handle(), WM_GETFONT, 0, 0));
  win::ClientDC dc(control.Handle());
  win::SelectedObject selected(dc.Get(),
                               font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  RECT rect{0, 0, 0, 0};
  DrawTextW(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &rect,
            DT_SINGLELINE | DT_CALCRECT);
  return rect.right;
}

int ClientWidth(const ui::TControl& control) {
  RECT client{};
  GetClientRect(control.Handle(), &client);
  return client.right;
}

// The width the skin's painter leaves the caption of a control of these
// kinds; 0 for any other control.
int CaptionRoom(const ui::TControl& control, const skin::TvxSkinReader& skin) {
  const int width = ClientWidth(control);
  if (dynamic_cast<const ui::TButton*>(&control)) {
    // Inside the focus rectangle, clear of the face's edges.
    const image::Rect focus = skinning::ButtonFocusRect({0, 0, width, 0}, false);
    return focus.right - focus.left;
  }
  if (dynamic_cast<const ui::TCheckBox*>(&control)) {
    const int box = std::max(skinning::BoxFrameSize(skin, false).width, skinning::kMinBoxSize);
    return width - box - kCheckTextGap;
  }
  if (dynamic_cast<const ui::TGroupBox*>(&control)) {
    return width - 2 * kGroupCaptionIndent;
  }
  if (dynamic_cast<const ui::TLabel*>(&control)) {
    return width;
  }
  return 0;
}

void CollectFits(base::TComponent& owner, const skin::TvxSkinReader& skin, std::vector<Fit>& fits) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    auto* control = dynamic_cast<ui::TControl*>(owner.Component(i));
    if (!control) {
      continue;
    }
    const int room = CaptionRoom(*control, skin);
    if (room != 0 && !control->Caption().empty()) {
      fits.push_back({control->Name(), control->Caption(), CaptionWidth(*control), room});
    }
    CollectFits(*control, skin, fits);
  }
}

std::string Describe(const std::vector<Fit>& misfits) {
  std::ostringstream text;
  for (const Fit& fit : misfits) {
    text << "\n  " << fit.control << " \"" << fit.caption << "\": " << fit.width << " pixels in "
         << fit.room;
  }
  return text.str();
}

TEST(CaptionFitTest, EveryCaptionFitsItsRoomInEverySkin) {
#ifdef VEXMOOR_CHINESE
  ASSERT_EQ(936u, GetACP()) << "Wine must run this test with LC_ALL=zh_CN.UTF-8";
  const char* const languageFile = "language\\gb.ini";
  const char* const config = "[common]\r\nlanguage=1\r\n";
#else
  const char* const languageFile = "language\\en.ini";
  const char* const config = "[common]\r\nlanguage=2\r\n";
#endif
  const ScratchInstallation installation;
  installation.Install({languageFile});
  installation.WriteConfig(config);
  CreateDirectoryW(win::Utf8ToWide(installation.AppFolder() + "skins").c_str(), nullptr);
  for (int k = 1; k <= settings::kSkinCount; ++k) {
    installation.Install({settings::SkinFilePath(k).c_str()});
  }
  ProgramWindows windows(installation);
  windows.Show();
  skinning::TvxSkinEngine& engine = *windows.main->vxSkinEngine;
  for (int k = 1; k <= settings::kSkinCount; ++k) {
    const std::string skinName = settings::SkinFilePath(k);
    SCOPED_TRACE(skinName);
    windows.common->ApplySkin(k);
    ASSERT_TRUE(engine.Ready());
    for (ui::TForm* form :
         std::initializer_list<ui::TForm*>{windows.main.get(), windows.overwrite.get(),
                                           windows.batchAdd.get(), windows.directory.get()}) {
      std::vector<Fit> fits;
      CollectFits(*form, engine.Reader(), fits);
      EXPECT_GT(fits.size(), 0u) << form->Name();
      std::vector<Fit> misfits;
      std::copy_if(fits.begin(), fits.end(), std::back_inserter(misfits),
                   [](const Fit& fit) { return fit.width > fit.room; });
      EXPECT_TRUE(misfits.empty()) << form->Name() << ":" << Describe(misfits);
    }
  }
  EXPECT_TRUE(windows.errors.empty());
}

}  // namespace
}  // namespace app_test
