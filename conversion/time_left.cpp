#include "conversion/time_left.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace conversion {

namespace {

// A new estimate above the last one (counted down) is held to this much
// more: enough to follow a real slow-down within a few reports.
constexpr double kRiseFactor = 1.5;
constexpr double kRiseAllowance = 10.0;

double HeldRise(double raw, double previous) {
  return std::min(raw, previous * kRiseFactor + kRiseAllowance);
}

}  // namespace

void TimeLeftEstimator::StartRun(std::vector<std::uint64_t> fileBytes) {
  *this = TimeLeftEstimator();
  fileBytes_ = std::move(fileBytes);
}

void TimeLeftEstimator::SetFileBytes(std::size_t position, std::uint64_t bytes) {
  if (position < fileBytes_.size()) {
    fileBytes_[position] = bytes;
  }
}

void TimeLeftEstimator::StartFile(std::size_t position) {
  if (fileStarted_ && firstTime_) {
    measuredSeconds_ += lastTime_ - *firstTime_;
    measuredBytes_ += (lastFraction_ - firstFraction_) *
                      static_cast<double>(current_ < fileBytes_.size() ? fileBytes_[current_] : 0);
  }
  current_ = position;
  fileStarted_ = true;
  firstTime_.reset();
  firstFraction_ = lastFraction_ = 0;
  estimate_.reset();
}

void TimeLeftEstimator::Progress(double fraction, double now) {
  fraction = std::clamp(fraction, 0.0, 1.0);
  // A fraction that goes back (the encoder read the real duration late)
  // starts the measurement again.
  if (!firstTime_ || fraction < lastFraction_) {
    firstTime_ = now;
    firstFraction_ = lastFraction_ = fraction;
    lastTime_ = now;
    return;
  }
  lastTime_ = now;
  lastFraction_ = fraction;
  if (now - *firstTime_ < kFirstEstimateAfter || lastFraction_ <= firstFraction_) {
    return;
  }
  const double secondsPerFraction = (lastTime_ - *firstTime_) / (lastFraction_ - firstFraction_);
  TimeLeft raw;
  raw.fileSeconds = secondsPerFraction * (1 - lastFraction_);
  if (const std::optional<double> secondsPerByte = SecondsPerByte()) {
    raw.runSeconds = raw.fileSeconds + static_cast<double>(BytesAfterCurrent()) * *secondsPerByte;
  } else {
    // Sizes unknown: each file to come takes as long as this one.
    const std::size_t after = fileBytes_.size() > current_ ? fileBytes_.size() - current_ - 1 : 0;
    raw.runSeconds = raw.fileSeconds + static_cast<double>(after) * secondsPerFraction;
  }
  Remember(raw, now);
}

std::optional<TimeLeft> TimeLeftEstimator::Estimate(double now) const {
  if (!estimate_) {
    return std::nullopt;
  }
  const double elapsed = std::max(0.0, now - estimateTime_);
  return TimeLeft{std::max(0.0, estimate_->fileSeconds - elapsed),
                  std::max(0.0, estimate_->runSeconds - elapsed)};
}

std::optional<double> TimeLeftEstimator::SecondsPerByte() const {
  const double currentBytes =
      static_cast<double>(current_ < fileBytes_.size() ? fileBytes_[current_] : 0);
  const double bytes = measuredBytes_ + (lastFraction_ - firstFraction_) * currentBytes;
  if (bytes <= 0) {
    return std::nullopt;
  }
  return (measuredSeconds_ + lastTime_ - firstTime_.value_or(lastTime_)) / bytes;
}

std::uint64_t TimeLeftEstimator::BytesAfterCurrent() const {
  std::uint64_t bytes = 0;
  for (std::size_t i = current_ + 1; i < fileBytes_.size(); ++i) {
    bytes += fileBytes_[i];
  }
  return bytes;
}

void TimeLeftEstimator::Remember(TimeLeft raw, double now) {
  if (const std::optional<TimeLeft> previous = Estimate(now)) {
    raw.fileSeconds = HeldRise(raw.fileSeconds, previous->fileSeconds);
    raw.runSeconds = std::max(raw.fileSeconds, HeldRise(raw.runSeconds, previous->runSeconds));
  }
  estimate_ = raw;
  estimateTime_ = now;
}

std::string FormatDuration(double seconds) {
  const long total = seconds > 0 ? std::lround(seconds) : 0;
  char text[32];
  if (total >= 3600) {
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
  } else {
    std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
  }
  return text;
}

std::string FormatFileSize(std::uint64_t bytes) {
  if (bytes < 1024) {
    return std::to_string(bytes) + " B";
  }
  const char* const units[] = {"KB", "MB", "GB", "TB"};
  double size = static_cast<double>(bytes) / 1024;
  std::size_t unit = 0;
  // Rounded to one decimal first, so 1023.96 KB reads 1.0 MB, not 1024.0 KB.
  while (std::round(size * 10) / 10 >= 1024 && unit + 1 < std::size(units)) {
    size /= 1024;
    ++unit;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %s", size, units[unit]);
  return text;
}

}  // namespace conversion
