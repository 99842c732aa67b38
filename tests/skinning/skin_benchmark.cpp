// Not a test: how long the skin engine takes on the program's main window.
//   skin_benchmark SHIPPED_SKIN_FOLDER
// Prints, over the eighteen shipped skins, the median time of a skin
// switch (load, restyle of every window, repaint), against loading the
// skin file alone; the median time of one frame paint (WM_NCPAINT)
// against the system painting its own frame of the same window, with the
// number of transfers to the screen each paint makes; and, for flicker,
// the median time of a full repaint of the busy main window with a dozen
// files (frame, every control, put on the screen) against the same window
// unskinned and against bare windows of the same tree, with the transfers
// each painted control makes per paint.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/overwrite_form.h"
#include "skin/skin_reader.h"
#include "skinning/painters/dib_buffer.h"
#include "tests/skin/shipped_skin_names.h"
#include "tests/skinning/main_window_states.h"
#include "tests/support/wall_clock.h"
#include "tests/support/window_driver.h"
#include "ui/application.h"
#include "win/system_folders.h"
#include "win/temp_names.h"

namespace {

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
    const double start = test_support::WallMilliseconds();
    SendMessageW(window, WM_NCPAINT, 1, 0);
    times.push_back(test_support::WallMilliseconds() - start);
  }
  return Median(times);
}

// The window and every window inside it painted again and put on the
// screen, which Wine does when the thread waits.
void FullRepaint(HWND window) {
  Repaint(window);
  MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
}

// Adds the times of `rounds` full repaints, after one that is not counted.
void TimeFullRepaints(HWND window, int rounds, std::vector<double>& times) {
  FullRepaint(window);
  for (int i = 0; i < rounds; ++i) {
    const double start = test_support::WallMilliseconds();
    FullRepaint(window);
    times.push_back(test_support::WallMilliseconds() - start);
  }
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

std::vector<HWND> ChildWindows(HWND window) {
  std::vector<HWND> windows;
  EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// The same tree of windows with nothing in them but the erased background:
// what Wine itself takes to repaint that many windows.
class BareCopy {
 public:
  explicit BareCopy(HWND original) {
    RECT client{};
    GetClientRect(original, &client);
    RECT beside{};
    GetWindowRect(original, &beside);
    root_ = CreateWindowExW(0, WindowClass(), L"", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                            beside.right + 8, beside.top, client.right, client.bottom, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    CopyChildren(original, root_);
  }
  ~BareCopy() { DestroyWindow(root_); }
  BareCopy(const BareCopy&) = delete;
  BareCopy& operator=(const BareCopy&) = delete;
  HWND Handle() const { return root_; }

 private:
  static const wchar_t* WindowClass() {
    static const bool registered = [] {
      WNDCLASSW windowClass{};
      windowClass.lpfnWndProc = DefWindowProcW;
      windowClass.hInstance = GetModuleHandleW(nullptr);
      windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      windowClass.lpszClassName = L"VexmoorBareWindow";
      return RegisterClassW(&windowClass) != 0;
    }();
    (void)registered;
    return L"VexmoorBareWindow";
  }

  static void CopyChildren(HWND original, HWND copy) {
    for (HWND child = GetWindow(original, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!IsWindowVisible(child)) {
        continue;
      }
      RECT rect{};
      GetWindowRect(child, &rect);
      MapWindowPoints(HWND_DESKTOP, original, reinterpret_cast<POINT*>(&rect), 2);
      HWND bare = CreateWindowExW(
          0, WindowClass(), L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
          rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, copy, nullptr,
          GetModuleHandleW(nullptr), nullptr);
      CopyChildren(child, bare);
    }
  }

  HWND root_ = nullptr;
};

struct TransferCount {
  int windows = 0;
  int painted = 0;
  unsigned long fewest = 0;
  unsigned long most = 0;
};

// Each window inside `window` painted again alone (frame and client): how
// many transfers of skin pictures it makes. Windows the skin leaves to
// their own drawing (labels) make none.
TransferCount TransfersPerWindow(HWND window) {
  TransferCount count;
  count.fewest = ~0ul;
  for (HWND child : ChildWindows(window)) {
    if (!IsWindowVisible(child)) {
      continue;
    }
    ++count.windows;
    const unsigned long before = skinning::DibBuffer::Transfers();
    RedrawWindow(child, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_NOCHILDREN);
    const unsigned long transfers = skinning::DibBuffer::Transfers() - before;
    if (transfers > 0) {
      ++count.painted;
      count.most = std::max(count.most, transfers);
      count.fewest = std::min(count.fewest, transfers);
    }
  }
  if (count.painted == 0) {
    count.fewest = 0;
  }
  return count;
}

// Flicker: the busy main window repainted whole, skinned, against the same
// window unskinned and against bare windows of the same tree (beside it,
// so as not to cover it), in turns of a hundred, so that all three meet the
// same load of the machine; then the transfers each control makes per
// paint, which should be one.
void PrintFullRepaint(skinning::TvxSkinEngine& engine, HWND window) {
  const int rounds = 1000;
  const int turn = 100;
  std::vector<double> skinned;
  std::vector<double> unskinned;
  std::vector<double> bare;
  {
    BareCopy copy(window);
    for (int done = 0; done < rounds; done += turn) {
      engine.SetActive(false);
      TimeFullRepaints(window, turn, unskinned);
      engine.SetActive(true);
      TimeFullRepaints(window, turn, skinned);
      TimeFullRepaints(copy.Handle(), turn, bare);
    }
  }
  const unsigned long before = skinning::DibBuffer::Transfers();
  FullRepaint(window);
  const unsigned long perRepaint = skinning::DibBuffer::Transfers() - before;
  const TransferCount count = TransfersPerWindow(window);

  std::printf("Full repaint of the busy main window (frame, every control, on the screen),\n");
  std::printf("median of %d, skin Silver:\n", rounds);
  std::printf("  skinned       %8.3f ms   (goal under 5 ms)\n", Median(skinned));
  std::printf("  unskinned     %8.3f ms   (skinned / unskinned: %.2f)\n", Median(unskinned),
              Median(skinned) / Median(unskinned));
  std::printf("  bare windows  %8.3f ms   (the same %d windows, nothing drawn in them)\n",
              Median(bare), count.windows + 1);
  std::printf("  transfers per control per paint: %lu to %lu, over the %d of %d windows inside\n",
              count.fewest, count.most, count.painted, count.windows);
  std::printf("  that the skin paints; %lu transfers per full repaint, the frame's included\n",
              perRepaint);
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

  win::WinTempNameSource tempNames;
  skin::TvxSkinReader reader(tempNames);
  std::vector<double> loads;
  std::vector<double> switches;
  for (int round = 0; round < 2; ++round) {  // the first round warms the caches
    loads.clear();
    switches.clear();
    for (const char* name : skin_test::kShippedSkinNames) {
      const std::string path = folder + name + ".ssk";
      double start = test_support::WallMilliseconds();
      reader.Load(path, "");
      loads.push_back(test_support::WallMilliseconds() - start);
      start = test_support::WallMilliseconds();
      engine.SetSkinFile(path);
      Repaint(window);
      Repaint(prompt->Handle());
      switches.push_back(test_support::WallMilliseconds() - start);
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

  skinning_test::AddSampleFiles(*mainForm);
  skinning_test::ShowBusy(*mainForm);
  PrintFullRepaint(engine, window);
  return 0;
}
