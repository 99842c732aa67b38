// Loading each shipped skin through the model and rebuilding the derived
// images, against loading the same file with the bare file reader (the
// reference, measured in the same run). Prints the median per skin.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "base/std_temp_name_source.h"
#include "skin/skin_file_reader.h"
#include "skin/skin_progress_bar_res.h"
#include "skin/skin_reader.h"
#include "skin/skin_scroll_btn_res.h"
#include "skin/skin_tab_res.h"
#include "tests/skin/shipped_skin_names.h"

namespace {

constexpr int kRuns = 31;

double MedianMilliseconds(const std::function<void()>& work) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
  return times[kRuns / 2];
}

}  // namespace

int main() {
  base::StdTempNameSource tempNames;
  skin::TvxSkinReader reader(tempNames);
  skin::TvxSkinScrollBtnRes scroll;
  skin::TvxSkinProgressBarRes progress;
  skin::TvxSkinTabRes tabs;
  std::vector<double> modelMedians;
  std::printf("%-14s %12s %12s\n", "skin", "file reader", "model+res");
  for (const char* name : skin_test::kShippedSkinNames) {
    const std::string path = std::string(VEXMOOR_SKIN_DIR) + "/" + name + ".ssk";
    const double bare =
        MedianMilliseconds([&] { skin::Tsk2SkinFileReader file(path, "", tempNames); });
    const double model = MedianMilliseconds([&] {
      reader.Load(path, "");
      scroll.SetReader(&reader);
      progress.SetReader(&reader);
      tabs.SetReader(&reader);
    });
    if (!reader.Loaded()) {
      std::fprintf(stderr, "%s did not load\n", path.c_str());
      return 1;
    }
    modelMedians.push_back(model);
    std::printf("%-14s %9.3f ms %9.3f ms\n", name, bare, model);
  }
  std::sort(modelMedians.begin(), modelMedians.end());
  std::printf("slowest skin %.3f ms, median skin %.3f ms (goal: under 10 ms)\n",
              modelMedians.back(), modelMedians[modelMedians.size() / 2]);
  return 0;
}
