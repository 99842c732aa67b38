// Stands in for the FFmpeg that libm9s.exe unpacks, in the encoder's
// process tests. It writes "converted by the fake FFmpeg" into the file
// after -y and "progress=end" on standard output, leaves a process of its
// own holding its standard output for three seconds, and ends with 0: the
// encoder then sees FFmpeg ended but has to wait for the end of its output.
#include <windows.h>

#include <shellapi.h>

#include <string>

namespace {

void Write(HANDLE handle, const std::string& text) {
  DWORD written = 0;
  WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count == 2 && std::wstring(arguments[1]) == L"hold") {
    Sleep(3000);
    return 0;
  }
  const HANDLE output = CreateFileW(arguments[count - 1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) {
    return 1;
  }
  Write(output, "converted by the fake FFmpeg");
  CloseHandle(output);
  Write(GetStdHandle(STD_OUTPUT_HANDLE), "frame=1\nprogress=end\n");

  std::wstring line = L"\"" + std::wstring(arguments[0]) + L"\" hold";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr,
                      &startup, &started)) {
    return 1;
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return 0;
}
