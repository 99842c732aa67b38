// libm9s: converts one video file to 3GP (H.263 video, AMR-NB or AAC-LC
// audio) with the FFmpeg it carries. Its command line, its stop line
// "quit" and the texts it writes to standard error are what the converter
// relies on; see conversion.h for the exit codes.
#include <windows.h>

#include <string>

#include "encoder/command_arguments.h"
#include "encoder/conversion.h"
#include "encoder/error_output.h"
#include "encoder/stop_signal.h"

int main() {
  using namespace encoder;
  try {
    const std::shared_ptr<StopSignal> stop = StopSignal::WatchStandardInput();
    return Convert(ParseCommandLine(GetCommandLineA()), *stop);
  } catch (const CommandLineError& error) {
    WriteError(std::string("libm9s: ") + error.what() + "\n" + kUsage + "\n");
    return kExitBadCommandLine;
  } catch (const std::exception& error) {
    WriteError(std::string("libm9s: ") + error.what() + "\n");
    return kExitFailed;
  }
}
