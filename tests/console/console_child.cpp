// The scripted child of the console runner's tests and benchmark. Each
// argument is one command, run in order; the process then exits with 0.
//
//   out=TEXT, err=TEXT  write TEXT to standard output / error in one write;
//                       escapes: \n \r \t \s (blank) \\ \xHH
//   flood=MB[,LEN]      write MB MiB of standard output in lines of LEN bytes
//                       (default 80, line feed included), 64 KiB per write
//   drip=N,MS           N times: "drip I" and a line feed on both outputs,
//                       then sleep MS milliseconds
//   wait                read one line from standard input
//   echo=N              read N bytes from standard input and write them,
//                       escaped as \xHH where not printable, to standard error
//   quit                read lines until one is "quit" (a carriage return
//                       before the line feed is ignored)
//   ignore              read and drop standard input for ever; at its end
//                       sleep for ever
//   waiteof             read standard input until its end
//   sleep=MS            sleep
//   cwd, pid            write the working directory / process id and a line feed
//   args                write this program's whole command line, UTF-8, and a
//                       line feed
//   spawn=MS[,TEXT]     start a copy of this program that inherits the
//                       standard handles, sleeps MS milliseconds and then
//                       writes TEXT (escaped as for out=) to both outputs;
//                       write its process id and a line feed
//   exit=CODE           exit at once with CODE
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HANDLE In() {
  return GetStdHandle(STD_INPUT_HANDLE);
}
HANDLE Out() {
  return GetStdHandle(STD_OUTPUT_HANDLE);
}
HANDLE Err() {
  return GetStdHandle(STD_ERROR_HANDLE);
}

void Write(HANDLE handle, const std::string& text) {
  DWORD written;
  WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string Unescape(const std::string& text) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      result += text[i];
      continue;
    }
    switch (text[++i]) {
      case 'n':
        result += '\n';
        break;
      case 'r':
        result += '\r';
        break;
      case 't':
        result += '\t';
        break;
      case 's':
        result += ' ';
        break;
      case 'x':
        result += static_cast<char>(std::strtol(text.substr(i + 1, 2).c_str(), nullptr, 16));
        i += 2;
        break;
      default:
        result += text[i];
        break;
    }
  }
  return result;
}

// Reads one byte; false at the end of standard input.
bool ReadByte(char& byte) {
  DWORD count = 0;
  return ReadFile(In(), &byte, 1, &count, nullptr) && count == 1;
}

// Reads one line without its line feed; false at the end of standard input.
bool ReadLine(std::string& line) {
  line.clear();
  char byte;
  while (ReadByte(byte)) {
    if (byte == '\n') {
      return true;
    }
    line += byte;
  }
  return !line.empty();
}

void Flood(const char* arguments) {
  int megabytes = 0, length = 80;
  std::sscanf(arguments, "%d,%d", &megabytes, &length);
  std::string block;
  const std::string line = std::string(length - 1, 'x').replace(0, 7, "frame= ") + '\n';
  while (block.size() + line.size() <= 65536) {
    block += line;
  }
  long long left = static_cast<long long>(megabytes) << 20;
  while (left > 0) {
    const size_t size = static_cast<size_t>(
        left < static_cast<long long>(block.size()) ? left : static_cast<long long>(block.size()));
    DWORD written;
    if (!WriteFile(Out(), block.data(), static_cast<DWORD>(size), &written, nullptr)) {
      return;
    }
    left -= size;
  }
}

std::string Utf8(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(length > 0 ? length - 1 : 0, '\0');
  if (length > 1) {
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], length, nullptr, nullptr);
  }
  return utf8;
}

void Spawn(const std::string& value) {
  const size_t comma = value.find(',');
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string line = std::string("\"") + path + "\" sleep=" + value.substr(0, comma);
  if (comma != std::string::npos) {
    line += " out=" + value.substr(comma + 1) + " err=" + value.substr(comma + 1);
  }
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = In();
  startup.hStdOutput = Out();
  startup.hStdError = Err();
  PROCESS_INFORMATION created;
  if (CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                     &created)) {
    CloseHandle(created.hThread);
    CloseHandle(created.hProcess);
    Write(Out(), std::to_string(created.dwProcessId) + "\n");
  }
}

void RunCommand(const std::string& command) {
  const size_t equals = command.find('=');
  const std::string name = command.substr(0, equals);
  const std::string value = equals == std::string::npos ? "" : command.substr(equals + 1);
  std::string line;
  char byte;
  if (name == "out") {
    Write(Out(), Unescape(value));
  } else if (name == "err") {
    Write(Err(), Unescape(value));
  } else if (name == "flood") {
    Flood(value.c_str());
  } else if (name == "drip") {
    int count = 0, pause = 0;
    std::sscanf(value.c_str(), "%d,%d", &count, &pause);
    for (int i = 0; i < count; ++i) {
      const std::string text = "drip " + std::to_string(i) + "\n";
      Write(Out(), text);
      Write(Err(), text);
      Sleep(pause);
    }
  } else if (name == "wait") {
    ReadLine(line);
  } else if (name == "echo") {
    std::string echoed;
    for (int i = std::atoi(value.c_str()); i > 0 && ReadByte(byte); --i) {
      if (byte >= 0x20 && byte < 0x7f) {
        echoed += byte;
      } else {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(byte));
        echoed += escaped;
      }
    }
    Write(Err(), echoed);
  } else if (name == "quit") {
    while (ReadLine(line) && line != "quit" && line != "quit\r") {
    }
  } else if (name == "ignore") {
    while (ReadByte(byte)) {
    }
    Sleep(INFINITE);
  } else if (name == "waiteof") {
    while (ReadByte(byte)) {
    }
  } else if (name == "sleep") {
    Sleep(std::atoi(value.c_str()));
  } else if (name == "cwd") {
    wchar_t directory[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, directory);
    Write(Out(), Utf8(directory) + "\n");
  } else if (name == "args") {
    Write(Out(), Utf8(GetCommandLineW()) + "\n");
  } else if (name == "pid") {
    Write(Out(), std::to_string(GetCurrentProcessId()) + "\n");
  } else if (name == "spawn") {
    Spawn(value);
  } else if (name == "exit") {
    ExitProcess(std::atoi(value.c_str()));
  } else {
    Write(Err(), "unknown command: " + command + "\n");
    ExitProcess(99);
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    RunCommand(argv[i]);
  }
  return 0;
}
