#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace conversion {

struct TimeLeft {
  double fileSeconds = 0;
  double runSeconds = 0;
};

// The time a run still needs, from the encoder's progress on the current
// file and the sizes of the files still to come. Times are seconds of any
// steady clock the caller reads; nothing here reads a clock itself.
//
// The speed is measured from the first progress report of a file, not from
// its start, so the encoder's own start-up (opening and probing the input)
// does not make the first figures huge. An estimate may fall at once but
// rises only gradually, so one slow stretch never turns minutes into hours.
class TimeLeftEstimator {
 public:
  // No estimate until a file has shown progress for this long.
  static constexpr double kFirstEstimateAfter = 3.0;

  // A run of files of these sizes (bytes, in the order they are converted).
  void StartRun(std::vector<std::uint64_t> fileBytes);
  // A file's size learned after the run started.
  void SetFileBytes(std::size_t position, std::uint64_t bytes);
  // The run's file at this position starts.
  void StartFile(std::size_t position);
  // The current file is done up to this fraction (0 to 1).
  void Progress(double fraction, double now);
  // The last estimate, counted down to `now`; nothing before the first.
  std::optional<TimeLeft> Estimate(double now) const;

 private:
  // Seconds per byte over the files measured so far and the current one.
  std::optional<double> SecondsPerByte() const;
  std::uint64_t BytesAfterCurrent() const;
  void Remember(TimeLeft raw, double now);

  std::vector<std::uint64_t> fileBytes_;
  std::size_t current_ = 0;
  bool fileStarted_ = false;
  // The current file's first and last progress report.
  std::optional<double> firstTime_;
  double firstFraction_ = 0;
  double lastTime_ = 0;
  double lastFraction_ = 0;
  // Earlier files of the run: seconds measured and the bytes they covered.
  double measuredSeconds_ = 0;
  double measuredBytes_ = 0;
  std::optional<TimeLeft> estimate_;
  double estimateTime_ = 0;
};

// A duration as "m:ss", or "h:mm:ss" from an hour on; negative counts as 0.
std::string FormatDuration(double seconds);

// A file size in bytes as "512 B", "1.5 KB", "1.2 MB" or "3.4 GB" (units of
// 1024, one decimal from KB on).
std::string FormatFileSize(std::uint64_t bytes);

}  // namespace conversion
