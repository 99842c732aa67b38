#include "conversion/time_left.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace conversion {
namespace {

// A step of a run: a file starts (position), shows progress (fraction, at
// a time in seconds) or has its size learned (position, bytes).
struct Step {
  enum Kind { kFile, kProgress, kSize } kind;
  double value;
  double time;
  std::uint64_t bytes;
};

Step File(int position) {
  return {Step::kFile, static_cast<double>(position), 0, 0};
}

Step At(double time, double fraction) {
  return {Step::kProgress, fraction, time, 0};
}

Step Size(int position, std::uint64_t bytes) {
  return {Step::kSize, static_cast<double>(position), 0, bytes};
}

struct EstimateCase {
  const char* name;
  std::vector<std::uint64_t> sizes;
  std::vector<Step> steps;
  double queryTime;
  std::optional<TimeLeft> expected;
};

TEST(TimeLeftEstimator, EstimatesFromProgressAndTheSizesStillToCome) {
  const EstimateCase cases[] = {
      {"nothing before three seconds of progress",
       {100},
       {File(0), At(10, 0.1), At(12.9, 0.3)},
       12.9,
       std::nullopt},
      {"three seconds of progress give the first",
       {100},
       {File(0), At(10, 0.1), At(13, 0.4)},
       13,
       TimeLeft{6, 6}},
      {"the encoder's start-up is not counted, the next file by its size",
       {100, 100},
       {File(0), At(20, 0.05), At(25, 0.30)},
       25,
       TimeLeft{14, 34}},
      {"counts down between reports", {100}, {File(0), At(0, 0), At(4, 0.4)}, 7, TimeLeft{3, 3}},
      {"never below zero", {100}, {File(0), At(0, 0), At(4, 0.4)}, 60, TimeLeft{0, 0}},
      // 100 bytes in 10 s, then 30 of 300 bytes in 3 s: 0.1 s a byte.
      {"finished files measure the rest",
       {100, 300, 200},
       {File(0), At(0, 0), At(10, 1), File(1), At(20, 0), At(23, 0.1)},
       23,
       TimeLeft{27, 47}},
      {"a new file has no estimate before its own progress",
       {100, 100},
       {File(0), At(0, 0), At(5, 0.5), File(1), At(11, 0.1)},
       11,
       std::nullopt},
      // After 26 s without progress a step of 1% would say 43 s.
      {"a stall then a small step is held to a gradual rise",
       {100},
       {File(0), At(0, 0), At(4, 0.4), At(30, 0.41)},
       30,
       TimeLeft{10, 10}},
      {"unknown sizes count each file to come as long as this one",
       {0, 0, 0},
       {File(0), At(0, 0), At(5, 0.5)},
       5,
       TimeLeft{5, 25}},
      {"a fraction that goes back measures anew",
       {100},
       {File(0), At(0, 0.5), At(1, 0.6), At(2, 0.1), At(4, 0.2)},
       4,
       std::nullopt},
      {"a size learned later counts",
       {100, 100, 100},
       {File(0), Size(2, 400), At(0, 0), At(5, 0.5)},
       5,
       TimeLeft{5, 5 + 10 + 40}},
      {"a complete file leaves only the rest",
       {100, 50},
       {File(0), At(0, 0), At(10, 1)},
       10,
       TimeLeft{0, 5}},
  };
  for (const EstimateCase& c : cases) {
    SCOPED_TRACE(c.name);
    TimeLeftEstimator estimator;
    estimator.StartRun(c.sizes);
    for (const Step& step : c.steps) {
      if (step.kind == Step::kFile) {
        estimator.StartFile(static_cast<std::size_t>(step.value));
      } else if (step.kind == Step::kSize) {
        estimator.SetFileBytes(static_cast<std::size_t>(step.value), step.bytes);
      } else {
        estimator.Progress(step.value, step.time);
      }
    }
    const std::optional<TimeLeft> estimate = estimator.Estimate(c.queryTime);
    ASSERT_EQ(c.expected.has_value(), estimate.has_value());
    if (estimate) {
      EXPECT_NEAR(c.expected->fileSeconds, estimate->fileSeconds, 1e-6);
      EXPECT_NEAR(c.expected->runSeconds, estimate->runSeconds, 1e-6);
    }
  }
}

// Steady progress over a long file never shows more than the true time
// left by much, and the figure only falls.
TEST(TimeLeftEstimator, SteadyProgressFallsSteadily) {
  TimeLeftEstimator estimator;
  estimator.StartRun({1000, 1000});
  estimator.StartFile(0);
  double previous = 1e9;
  for (int second = 0; second <= 100; ++second) {
    estimator.Progress(second / 100.0, second + 2.0);
    if (const std::optional<TimeLeft> estimate = estimator.Estimate(second + 2.0)) {
      EXPECT_NEAR(100 - second + 100, estimate->runSeconds, 1e-6) << second;
      EXPECT_LE(estimate->runSeconds, previous);
      previous = estimate->runSeconds;
    }
  }
}

TEST(FormatDuration, MinutesAndSecondsThenHours) {
  const std::pair<double, const char*> cases[] = {
      {0, "0:00"},   {-5, "0:00"},    {42, "0:42"},      {41.6, "0:42"},
      {190, "3:10"}, {3599, "59:59"}, {3600, "1:00:00"}, {36061, "10:01:01"},
  };
  for (const auto& [seconds, text] : cases) {
    EXPECT_EQ(text, FormatDuration(seconds)) << seconds;
  }
}

TEST(FormatFileSize, BytesThenUnitsOf1024) {
  const std::pair<std::uint64_t, const char*> cases[] = {
      {0, "0 B"},
      {1023, "1023 B"},
      {1024, "1.0 KB"},
      {1536, "1.5 KB"},
      {1024 * 1024 - 1, "1.0 MB"},
      {1258291, "1.2 MB"},
      {5ull * 1024 * 1024 * 1024, "5.0 GB"},
  };
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(text, FormatFileSize(bytes)) << bytes;
  }
}

}  // namespace
}  // namespace conversion
