#include "app/run_driver.h"

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <utility>

#include "base/path_text.h"
#include "base/scoped_value.h"
#include "ui/application.h"
#include "win/code_page.h"
#include "win/unique.h"

namespace app {

namespace {

bool OutputFileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(win::Utf8ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Whether two paths name one existing file, however each is spelt
// (relative steps, letter case, short names).
bool SameExistingFile(const std::string& a, const std::string& b) {
  auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    const win::UniqueHandle file(CreateFileW(win::Utf8ToWide(path).c_str(), 0,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                             nullptr, OPEN_EXISTING, 0, nullptr));
    return file && GetFileInformationByHandle(file.Get(), &info);
  };
  BY_HANDLE_FILE_INFORMATION first, second;
  return identify(a, first) && identify(b, second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

// Seconds of a steady clock, for the time left and the run's length.
double Now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::uint64_t FileBytes(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(win::Utf8ToWide(path).c_str(), GetFileExInfoStandard, &data)) {
    return 0;
  }
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// An entry's status shows its percentage at most this often (seconds).
constexpr double kPercentInterval = 0.25;

// Reading a size costs a call to the file system: a long list is measured
// only as far ahead as this, the files beyond counted at the average size
// of those, until the run comes near them.
constexpr std::size_t kSizedAhead = 64;

}  // namespace

RunDriver::RunDriver(Host& host, conversion::CommandLineFolders folders)
    : host_(host), folders_(std::move(folders)) {}

void RunDriver::ConvertAll() {
  std::vector<int> positions(host_.EntryCount());
  for (int index = 0; index < static_cast<int>(positions.size()); ++index) {
    positions[index] = index;
  }
  Convert(std::move(positions));
}

void RunDriver::ConvertFailed() {
  Convert(FailedPositions());
}

std::vector<int> RunDriver::FailedPositions() const {
  std::vector<int> positions;
  for (int index = 0; index < host_.EntryCount(); ++index) {
    if (host_.EntryStatusAt(index).state == joblist::EntryState::Failed) {
      positions.push_back(index);
    }
  }
  return positions;
}

void RunDriver::Convert(std::vector<int> positions) {
  const base::ScopedValue converting(converting_, true);
  while (ConvertPositions(positions)) {
    positions = FailedPositions();
  }
}

// The entries to convert are taken at the start (later additions wait for
// the next run) and set back to waiting; the others keep their status.
bool RunDriver::ConvertPositions(const std::vector<int>& positions) {
  const double started = Now();
  std::string folder = host_.OutputFolder();
  failedEntries_.clear();
  for (int index : positions) {
    if (host_.EntryStatusAt(index).state != joblist::EntryState::Waiting) {
      SetStatus(index, {});
    }
  }
  StartTimeLeft(positions);
  for (std::size_t step = 0; step < positions.size(); ++step) {
    if (!continueRun_ || Ending()) {
      continueRun_ = true;
      return false;
    }
    // Between two entries the window is idle for a moment, and the list may
    // have lost entries meanwhile: those are not converted.
    if (positions[step] >= host_.EntryCount()) {
      break;
    }
    folder = base::IncludeTrailingBackslash(folder);
    StartFileTimeLeft(step);
    ConvertEntry(positions[step], folder);
  }
  continueRun_ = true;
  if (Ending()) {
    return false;
  }
  host_.ResetProgress();
  return host_.RunFinished(folder, failedEntries_, Now() - started);
}

void RunDriver::StartTimeLeft(const std::vector<int>& positions) {
  timeLeftPositions_ = positions;
  std::vector<std::uint64_t> sizes;
  sizes.reserve(positions.size());
  std::uint64_t measured = 0;
  for (std::size_t step = 0; step < positions.size() && step < kSizedAhead; ++step) {
    sizes.push_back(FileBytes(host_.EntryPath(positions[step])));
    measured += sizes.back();
  }
  if (!sizes.empty()) {
    sizes.resize(positions.size(), measured / sizes.size());
  }
  timeLeft_.StartRun(std::move(sizes));
}

void RunDriver::StartFileTimeLeft(std::size_t step) {
  const std::size_t ahead = step + kSizedAhead;
  if (step > 0 && ahead - 1 < timeLeftPositions_.size() &&
      timeLeftPositions_[ahead - 1] < host_.EntryCount()) {
    timeLeft_.SetFileBytes(ahead - 1, FileBytes(host_.EntryPath(timeLeftPositions_[ahead - 1])));
  }
  timeLeft_.StartFile(step);
}

void RunDriver::Close() {
  closing_ = true;
  continueRun_ = false;
}

bool RunDriver::Ending() const {
  return closing_ || ui::Application().Terminated();
}

void RunDriver::ConvertEntry(int index, const std::string& folder) {
  const std::string input = host_.SelectEntry(index);
  const std::string output = ResolveOutputPath(conversion::MakeOutputPath(folder, input), input);
  if (output.empty()) {
    SetStatus(index, {joblist::EntryState::Skipped});
    return;
  }
  RunEncoder(index, input, output);
  // The program ending, or its window closing, interrupts the entry, which
  // the next run converts again; the user's stop leaves it stopped.
  if (!host_.Runner() || Ending()) {
    SetStatus(index, {joblist::EntryState::Interrupted});
  } else if (!continueRun_) {
    SetStatus(index, {joblist::EntryState::Stopped});
  } else {
    NoteEncoderResult(index, input, output);
  }
}

// An encoder that cannot be started fails its entry, and the run ends
// there with the error shown.
void RunDriver::RunEncoder(int index, const std::string& input, const std::string& output) {
  const std::string commandLine =
      conversion::BuildCommandLine(host_.Settings(), input, output, folders_);
  encoderMessages_.Clear();
  SetStatus(index, {joblist::EntryState::Converting});
  currentEntry_ = index;
  shownPercent_ = 0;
  percentShownAt_ = Now();
  try {
    host_.Runner()->Run(commandLine, "", false);
  } catch (const std::exception& error) {
    currentEntry_ = -1;
    SetStatus(index, {joblist::EntryState::Failed, 0, 0, error.what()});
    throw;
  }
  const unsigned long encoderId = host_.Runner()->ProcessId();
  WaitForEncoder();
  currentEntry_ = -1;
  // An encoder ended by force leaves the file it was writing; whatever ended
  // it, that file is gone when the window has seen the end.
  DeleteFileW(win::Utf8ToWide(conversion::EncoderPartialPath(output, encoderId)).c_str());
}

// Keeps every handler running nested while the encoder works, without
// using the processor: the runner's threads wake the wait with their
// messages. Closing the window releases the runner and ends the wait. When
// the program ends meanwhile, the encoder is stopped as by the Stop
// command, and the wait goes on until its end was handled.
void RunDriver::WaitForEncoder() {
  while (console::TConsoleIO* runner = host_.Runner()) {
    if (!runner->IsRunning()) {
      return;
    }
    if (ui::Application().Terminated() && continueRun_) {
      RequestStop();
      runner->StopProcess();
      continue;
    }
    ui::Application().WaitForMessageOrHandle(nullptr);
    ui::Application().ProcessMessages();
  }
}

void RunDriver::NoteEncoderResult(int index, const std::string& input, const std::string& output) {
  encoderMessages_.Finish();  // a last line without its line end
  const unsigned long exitCode = host_.Runner()->ExitCode();
  if (exitCode == 0 && OutputFileExists(output)) {
    SetStatus(index, {joblist::EntryState::Done, 100, FileBytes(output)});
    return;
  }
  std::string reason = encoderMessages_.Last();
  if (reason.empty()) {
    reason = exitCode == 0 ? "no output file was written"
                           : "the encoder ended with code " + std::to_string(exitCode);
  }
  failedEntries_.push_back({base::ExtractFileName(input), reason});
  SetStatus(index, {joblist::EntryState::Failed, 0, 0, reason});
}

void RunDriver::NoteProgress(const conversion::EncoderProgress& progress) {
  if (currentEntry_ < 0) {
    return;
  }
  const double now = Now();
  timeLeft_.Progress(
      progress.total > 0 ? static_cast<double>(progress.frameCount) / progress.total : 0, now);
  if (progress.position != shownPercent_ && now - percentShownAt_ >= kPercentInterval) {
    shownPercent_ = progress.position;
    percentShownAt_ = now;
    SetStatus(currentEntry_, {joblist::EntryState::Converting, progress.position});
  }
}

std::optional<conversion::TimeLeft> RunDriver::TimeLeft() const {
  if (currentEntry_ < 0) {
    return std::nullopt;
  }
  return timeLeft_.Estimate(Now());
}

void RunDriver::SetStatus(int index, const joblist::EntryStatus& status) {
  if (index < host_.EntryCount()) {
    host_.SetEntryStatus(index, status);
  }
}

// The encoder must never write over the file it reads: an output path that
// names the input under another spelling counts as the input's own path.
std::string RunDriver::ResolveOutputPath(const std::string& path, const std::string& inputPath) {
  const std::string& input = SameExistingFile(path, inputPath) ? path : inputPath;
  return conversion::ResolveOutputPath(path, input, overwritePolicy_, OutputFileExists,
                                       [this] { return host_.AskOverwrite(); });
}

}  // namespace app
