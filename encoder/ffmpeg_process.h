#pragma once

#include <windows.h>

#include <string>

#include "encoder/encoder_error.h"
#include "win/child_process.h"
#include "win/unique.h"

namespace encoder {

// FFmpeg's program did not start: missing, or damaged beyond running.
class FfmpegStartError : public EncoderError {
 public:
  using EncoderError::EncoderError;
};

// FFmpeg running as a child process with its standard streams on pipes.
// It starts suspended and is put into a job object that ends it when the
// job's last handle closes, which happens when the encoder ends, however
// it ends; only then does it run.
class FfmpegProcess {
 public:
  // The command line is UTF-8; FFmpeg gets it as a UTF-16 command line.
  // Throws FfmpegStartError when the program does not start.
  explicit FfmpegProcess(const std::string& commandLine);
  FfmpegProcess(const FfmpegProcess&) = delete;
  FfmpegProcess& operator=(const FfmpegProcess&) = delete;

  HANDLE Process() const { return child_.process.Get(); }
  HANDLE Output() const { return output_.Get(); }  // FFmpeg's standard output, read end
  HANDLE Log() const { return log_.Get(); }        // FFmpeg's standard error, read end

  // FFmpeg checks its standard input for "q" about every 100 ms and then
  // finishes the file it writes.
  void AskToQuit();
  void Terminate();
  DWORD ExitCode() const;

 private:
  win::ChildProcess child_;
  win::UniqueHandle input_, output_, log_;
};

}  // namespace encoder
