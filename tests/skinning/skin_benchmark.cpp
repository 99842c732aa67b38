// Not a test: how long the skin engine takes on the program's main window.
//   skin_benchmark SHIPPED_SKIN_FOLDER
// Prints, over the eighteen shipped skins, the median time of a skin
// switch (load, restyle of every window, repaint), against loading the
// skin file alone; and the median time of one frame paint (WM_NCPAINT)
// against the system painting its own frame of the same window, with the
// number of transfers to the screen each paint makes.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/overwrite_form.h"
#include "skin/skin_reader.h"
#include "skinning/dib_buffer.h"
#include "skinning/win_temp_names.h"
#include "tests/skin/shipped_skin_names.h"
#include "tests/support/window_driver.h"
#include "ui/application.h"
#include "win/system_folders.h"

namespace {

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / frequency;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Repaint(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// Median milliseconds of `rounds` frame paints of the window.
double FramePaint(HWND window, int rounds) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const double start = Now();
    SendMessageW(window, WM_NCPAINT, 1, 0);
    times.push_back(Now() - start);
  }
  return Median(times);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skin_benchmark SHIPPED_SKIN_FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "\\";
  ui::TApplication& application = ui::Application();
  application.Initialize();
  application.SetOnException(
      [](const std::string& text) { std::fprintf(stderr, "error: %s\n", text.c_str()); });
  auto mainForm = ui::CreateForm<app::TfrmMain>(
      conversion::CommandLineFolders{win::SystemFolder(), win::TempFolder()});
  auto prompt = ui::CreateForm<app::TfrmOverWrite>();
  mainForm->SetOverwriteForm(prompt.get());
  mainForm->Show();
  test_support::PumpUntil([] { return false; }, 300);
  skinning::TvxSkinEngine& engine = *mainForm->vxSkinEngine;
  HWND window = mainForm->Handle();

  // The system's own frame first, as the reference for a frame paint.
  engine.SetActive(false);
  Repaint(window);
  const double systemPaint = FramePaint(window, 200);
  engine.SetActive(true);

  skinning::WinTempNameSource tempNames;
  skin::TvxSkinReader reader(tempNames);
  std::vector<double> loads;
  std::vector<double> switches;
  for (int round = 0; round < 2; ++round) {  // the first round warms the caches
    loads.clear();
    switches.clear();
    for (const char* name : skin_test::kShippedSkinNames) {
      const std::string path = folder + name + ".ssk";
      double start = Now();
      reader.Load(path, "");
      loads.push_back(Now() - start);
      start = Now();
      engine.SetSkinFile(path);
      Repaint(window);
      Repaint(prompt->Handle());
      switches.push_back(Now() - start);
      test_support::PumpUntil([] { return false; }, 20);
    }
  }

  engine.SetSkinFile(folder + "Silver.ssk");
  Repaint(window);
  const unsigned long transfersBefore = skinning::DibBuffer::Transfers();
  const int paints = 200;
  const double skinnedPaint = FramePaint(window, paints);
  const double transfers =
      static_cast<double>(skinning::DibBuffer::Transfers() - transfersBefore) / paints;

  std::printf("Skin switch on the main window (load, restyle, repaint), median of %zu skins:\n",
              switches.size());
  std::printf("  switch        %8.2f ms\n", Median(switches));
  std::printf("  load alone    %8.2f ms   (switch / load: %.1f)\n", Median(loads),
              Median(switches) / Median(loads));
  std::printf("  slowest skin  %8.2f ms\n", *std::max_element(switches.begin(), switches.end()));
  std::printf("Frame paint (WM_NCPAINT), median of %d, skin Silver:\n", paints);
  std::printf("  skinned       %8.3f ms\n", skinnedPaint);
  std::printf("  system frame  %8.3f ms   (skinned / system: %.2f)\n", systemPaint,
              skinnedPaint / systemPaint);
  std::printf("  transfers to the screen per frame paint: %.2f\n", transfers);
  return 0;
}
