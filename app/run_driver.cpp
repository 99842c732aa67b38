#include "app/run_driver.h"

#include <windows.h>

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

}  // namespace

RunDriver::RunDriver(Host& host, conversion::CommandLineFolders folders)
    : host_(host), folders_(std::move(folders)) {}

void RunDriver::ConvertAll() {
  const base::ScopedValue converting(converting_, true);
  std::string folder = host_.OutputFolder();
  const int count = host_.EntryCount();
  failedEntries_.clear();
  for (int index = 0; index < count; ++index) {
    if (!continueRun_ || Ending()) {
      continueRun_ = true;
      return;
    }
    // Between two entries the window is idle for a moment, and the list may
    // have lost entries meanwhile: those are not converted.
    if (index >= host_.EntryCount()) {
      break;
    }
    folder = base::IncludeTrailingBackslash(folder);
    ConvertEntry(index, folder);
  }
  continueRun_ = true;
  if (Ending()) {
    return;
  }
  host_.ResetProgress();
  host_.RunFinished(folder, failedEntries_);
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
    return;
  }
  const std::string commandLine =
      conversion::BuildCommandLine(host_.Settings(), input, output, folders_);
  encoderMessages_.Clear();
  host_.Runner()->Run(commandLine, "", false);
  const unsigned long encoderId = host_.Runner()->ProcessId();
  WaitForEncoder();
  // An encoder ended by force leaves the file it was writing; whatever ended
  // it, that file is gone when the window has seen the end.
  DeleteFileW(win::Utf8ToWide(conversion::EncoderPartialPath(output, encoderId)).c_str());
  if (host_.Runner() && continueRun_) {
    NoteEncoderResult(input, output);
  }
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

void RunDriver::NoteEncoderResult(const std::string& input, const std::string& output) {
  encoderMessages_.Finish();  // a last line without its line end
  const unsigned long exitCode = host_.Runner()->ExitCode();
  if (exitCode == 0 && OutputFileExists(output)) {
    return;
  }
  std::string reason = encoderMessages_.Last();
  if (reason.empty()) {
    reason = exitCode == 0 ? "no output file was written"
                           : "the encoder ended with code " + std::to_string(exitCode);
  }
  failedEntries_.push_back({base::ExtractFileName(input), reason});
}

// The encoder must never write over the file it reads: an output path that
// names the input under another spelling counts as the input's own path.
std::string RunDriver::ResolveOutputPath(const std::string& path, const std::string& inputPath) {
  const std::string& input = SameExistingFile(path, inputPath) ? path : inputPath;
  return conversion::ResolveOutputPath(path, input, overwritePolicy_, OutputFileExists,
                                       [this] { return host_.AskOverwrite(); });
}

}  // namespace app
