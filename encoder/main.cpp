// libm9s: converts one video file to 3GP (H.263 video, AMR-NB or AAC-LC
// audio) with the FFmpeg it carries. Its command line, its stop line
// "quit" and the texts it writes to standard error are what the converter
// relies on; see conversion.h for the exit codes.
//
// Text: the command line is read as Unicode and every path is handled
// under its Unicode name, so any file name works whatever the system's ANSI
// code page is. Everything written to standard error, its own "libm9s: "
// messages and FFmpeg's log and progress, is UTF-8.
#include <windows.h>

#include <string>

#include "encoder/command_arguments.h"
#include "encoder/conversion.h"
#include "encoder/error_output.h"
#include "encoder/stop_signal.h"
#include "win/code_page.h"
#include "win/entry_guard.h"

int main() {
  using namespace encoder;
  win::SetExceptionReport(WriteException);
  try {
    const std::shared_ptr<StopSignal> stop = StopSignal::WatchStandardInput();
    return Convert(ParseCommandLine(win::WideToUtf8(GetCommandLineW())), *stop);
  } catch (const CommandLineError& error) {
    WriteError(std::string("libm9s: ") + error.what() + "\n" + kUsage + "\n");
    return kExitBadCommandLine;
  } catch (...) {
    win::ReportException(std::current_exception());
    return kExitFailed;
  }
}
