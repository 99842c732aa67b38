// The texts of the system's dialog boxes read on every shipped skin: the
// message box's question and the open dialog's labels and places bar,
// measured on the dialog's own picture.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "skinning/painters/dib_buffer.h"
#include "tests/skin/shipped_skin_names.h"
#include "tests/skinning/skinned_form_fixture.h"
#include "tests/support/window_driver.h"
#include "ui/dialogs.h"
#include "win/code_page.h"
#include "win/window_list.h"
#include "win/window_text.h"

namespace skinning_test {
namespace {

// The contrast the accessibility guidelines ask of body text.
constexpr double kReadableContrast = 4.5;

double Linear(uint32_t channel) {
  const double value = channel / 255.0;
  return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(image::ColorRef color) {
  return 0.2126 * Linear(color & 0xFF) + 0.7152 * Linear((color >> 8) & 0xFF) +
         0.0722 * Linear((color >> 16) & 0xFF);
}

double Contrast(image::ColorRef a, image::ColorRef b) {
  const double lighter = std::max(Luminance(a), Luminance(b));
  const double darker = std::min(Luminance(a), Luminance(b));
  return (lighter + 0.05) / (darker + 0.05);
}

// How a text reads where it stands. In each row of its rectangle the most
// frequent colour is the background; the text's contrast is that of the
// pixel that stands out most from its row's background.
struct Reading {
  std::string what;
  int textPixels = 0;
  double contrast = 1;
};

Reading ReadText(const std::string& what, HWND top, RECT onScreen) {
  ShowOnScreen();
  RECT bounds{};
  GetWindowRect(top, &bounds);
  skinning::DibBuffer picture;
  picture.Resize(onScreen.right - onScreen.left, onScreen.bottom - onScreen.top);
  {
    const UnclippedWindowDC dc(top);
    BitBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), dc.Get(),
           onScreen.left - bounds.left, onScreen.top - bounds.top, SRCCOPY);
    GdiFlush();
  }
  Reading reading{what};
  for (int y = 0; y < picture.Height(); ++y) {
    std::map<image::ColorRef, int> counts;
    for (int x = 0; x < picture.Width(); ++x) {
      ++counts[picture.Pixel(x, y)];
    }
    const image::ColorRef background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
          return a.second < b.second;
        })->first;
    for (const auto& [color, count] : counts) {
      if (color != background) {
        reading.textPixels += count;
        reading.contrast = std::max(reading.contrast, Contrast(color, background));
      }
    }
  }
  return reading;
}

RECT ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

void PaintAll(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

std::vector<HWND> Descendants(HWND window) {
  std::vector<HWND> found;
  for (HWND child : win::ChildWindows(window)) {
    found.push_back(child);
    for (HWND inner : Descendants(child)) {
      found.push_back(inner);
    }
  }
  return found;
}

// The labels of a dialog, and the texts of its tool bars' buttons, below
// their images.
std::vector<Reading> ReadLabels(HWND dialog) {
  std::vector<Reading> readings;
  for (HWND child : Descendants(dialog)) {
    if (!IsWindowVisible(child)) {
      continue;
    }
    const std::string name = win::ClassNameOf(child);
    const std::wstring text = win::WindowTextOf(child);
    if (_stricmp(name.c_str(), "Static") == 0 && !text.empty()) {
      readings.push_back(ReadText(win::WideToUtf8(text), dialog, ScreenRect(child)));
    }
    if (name != "ToolbarWindow32") {
      continue;
    }
    int imageHeight = 0;
    if (auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(child, TB_GETIMAGELIST, 0, 0))) {
      int imageWidth = 0;
      ImageList_GetIconSize(images, &imageWidth, &imageHeight);
    }
    const int count = static_cast<int>(SendMessageW(child, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      TBBUTTON button{};
      SendMessageW(child, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
      wchar_t caption[256] = {};
      if (SendMessageW(child, TB_GETBUTTONTEXTW, button.idCommand, 0) >= 256 ||
          SendMessageW(child, TB_GETBUTTONTEXTW, button.idCommand,
                       reinterpret_cast<LPARAM>(caption)) <= 0) {
        continue;
      }
      RECT rect{};
      SendMessageW(child, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect));
      MapWindowPoints(child, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
      rect.top += imageHeight + 3;
      readings.push_back(ReadText(win::WideToUtf8(caption), dialog, rect));
    }
  }
  return readings;
}

class DialogTextTest : public SkinnedFormTest {};

TEST_F(DialogTextTest, TheMessageBoxAndTheOpenDialogReadOnEverySkin) {
  for (const char* name : skin_test::kShippedSkinNames) {
    SCOPED_TRACE(name);
    Engine().SetSkinFile(ShippedSkinPath(name));
    ASSERT_TRUE(Engine().Ready());

    std::vector<Reading> question;
    test_support::WindowAnswerer box(L"#32770", [&](HWND dialog) {
      PaintAll(dialog);
      question.push_back(ReadText("question", dialog, ScreenRect(GetDlgItem(dialog, 0xFFFF))));
      PostMessageW(dialog, WM_COMMAND, IDNO, 0);
    });
    ui::ShowMessageBox(form.get(), "Open the output folder?", MB_YESNO | MB_ICONQUESTION);

    std::vector<Reading> labels;
    ui::TOpenDialog open(form.get());
    test_support::WindowAnswerer answerer(L"#32770", [&](HWND dialog) {
      Pump(100);
      PaintAll(dialog);
      labels = ReadLabels(dialog);
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    open.Execute(form->Handle());

    ASSERT_EQ(1u, question.size());
    EXPECT_GE(labels.size(), 3u) << "Look in, File name, Files of type";
    for (const std::vector<Reading>* readings : {&question, &labels}) {
      for (const Reading& reading : *readings) {
        EXPECT_GT(reading.textPixels, 10) << reading.what;
        EXPECT_GE(reading.contrast, kReadableContrast) << reading.what;
      }
    }
  }
}

}  // namespace
}  // namespace skinning_test
