#pragma once

#include "encoder/command_arguments.h"
#include "encoder/stop_signal.h"

namespace encoder {

// What the encoder's exit code says.
enum ExitCode : int {
  kExitDone = 0,
  kExitFailed = 1,
  kExitBadCommandLine = 2,
  kExitStopped = 3,
};

// Converts the input of the request into its output with FFmpeg, relaying
// FFmpeg's progress and log to standard error. The output is replaced only
// by a finished, non-empty file. Returns kExitDone or kExitStopped; throws
// EncoderError for a failure and CommandLineError for values it cannot
// take.
ExitCode Convert(const EncoderRequest& request, const StopSignal& stop);

}  // namespace encoder
