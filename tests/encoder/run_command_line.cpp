// Runs the command line held in the environment variable
// VEXMOOR_COMMAND_LINE, exactly as written, with this program's standard
// streams, and exits with its exit code. Test scripts need it because
// Wine quotes the words it is given, and the encoder's command line has
// unquoted paths and two blanks in a row.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
  char line[32768];
  const DWORD length = GetEnvironmentVariableA("VEXMOOR_COMMAND_LINE", line, sizeof line);
  if (length == 0 || length >= sizeof line) {
    std::fprintf(stderr, "run_command_line: VEXMOOR_COMMAND_LINE is not set\n");
    return 125;
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, line, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &started)) {
    std::fprintf(stderr, "run_command_line: cannot start (error %lu)\n", GetLastError());
    return 126;
  }
  CloseHandle(started.hThread);
  WaitForSingleObject(started.hProcess, INFINITE);
  DWORD code = 127;
  GetExitCodeProcess(started.hProcess, &code);
  CloseHandle(started.hProcess);
  return static_cast<int>(code);
}
