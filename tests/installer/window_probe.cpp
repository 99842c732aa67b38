// Looks at and drives the windows of another program for the installer
// test, which is a script: finds a visible top-level window by its title,
// lists or waits for its controls, clicks a button, closes the window, and
// reads a file's version resource. Arguments and output are UTF-8.
//   window_probe wait TITLE SECONDS              a window with that title (blanks
//                                                at its end aside) shows
//   window_probe gone TITLE SECONDS              no such window shows any more
//   window_probe wait-control TITLE TEXT SECONDS a control's text or class is TEXT
//   window_probe controls TITLE                  one line per control: id, class,
//                                                checked (1) or not (0), text (its
//                                                line breaks as \n), between tabs
//   window_probe click TITLE ID|TEXT             clicks the button
//   window_probe close TITLE                     asks the window to close
//   window_probe version FILE                    prints the product version
// Exits with 0 on success, 1 when the window, control or version is not
// found in time, 2 on bad arguments.
#include <windows.h>

#include <shellapi.h>

#include <cwctype>
#include <string>
#include <vector>

#include "win/code_page.h"

namespace {

constexpr UINT kMessageTimeoutMs = 10000;

void Print(const std::string& text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
            nullptr);
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

// WM_GETTEXT rather than GetWindowText, which reads no control of another
// process.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs,
                           &length)) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                      SMTO_ABORTIFHUNG, kMessageTimeoutMs, &copied);
  text.resize(copied);
  return text;
}

// Without blanks at the end: the installer's pages add one to its title.
std::wstring TrimEnd(std::wstring text) {
  while (!text.empty() && std::iswspace(text.back())) {
    text.pop_back();
  }
  return text;
}

struct TitleSearch {
  std::wstring title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM search) {
  auto* wanted = reinterpret_cast<TitleSearch*>(search);
  if (IsWindowVisible(window) && TrimEnd(TextOf(window)) == wanted->title) {
    wanted->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindTopWindow(const std::wstring& title) {
  TitleSearch search{title};
  EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK CollectControl(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// Every visible descendant, in the order the system keeps them.
std::vector<HWND> ControlsOf(HWND top) {
  std::vector<HWND> all;
  EnumChildWindows(top, CollectControl, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> visible;
  for (HWND control : all) {
    if (IsWindowVisible(control)) {
      visible.push_back(control);
    }
  }
  return visible;
}

bool IsNumber(const std::wstring& text) {
  if (text.empty()) {
    return false;
  }
  for (wchar_t c : text) {
    if (!std::iswdigit(c)) {
      return false;
    }
  }
  return true;
}

HWND FindControl(HWND top, const std::wstring& idOrText) {
  for (HWND control : ControlsOf(top)) {
    if (IsNumber(idOrText) ? GetDlgCtrlID(control) == std::stoi(idOrText)
                           : TextOf(control) == idOrText || ClassOf(control) == idOrText) {
      return control;
    }
  }
  return nullptr;
}

// Polls every 100 ms until found() holds or the seconds have passed.
template <typename Found>
bool WaitFor(const std::wstring& seconds, Found found) {
  const DWORD deadline = GetTickCount() + static_cast<DWORD>(std::stoi(seconds)) * 1000;
  while (!found()) {
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0) {
      return false;
    }
    Sleep(100);
  }
  return true;
}

// A control's text on one line: line breaks become "\n".
std::string OneLine(const std::wstring& text) {
  std::string line;
  for (char c : win::WideToUtf8(text)) {
    if (c == '\n') {
      line += "\\n";
    } else if (c != '\r') {
      line += c;
    }
  }
  return line;
}

int PrintControls(HWND top) {
  for (HWND control : ControlsOf(top)) {
    const bool checked =
        ClassOf(control) == L"Button" && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    Print(std::to_string(GetDlgCtrlID(control)) + "\t" + win::WideToUtf8(ClassOf(control)) + "\t" +
          (checked ? "1" : "0") + "\t" + OneLine(TextOf(control)) + "\n");
  }
  return 0;
}

int Click(HWND top, const std::wstring& idOrText) {
  HWND button = FindControl(top, idOrText);
  if (!button) {
    return 1;
  }
  DWORD_PTR result = 0;
  SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &result);
  return 0;
}

int PrintVersion(const std::wstring& file) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
  std::vector<char> data(size);
  void* value = nullptr;
  UINT length = 0;
  if (size == 0 || !GetFileVersionInfoW(file.c_str(), 0, size, data.data()) ||
      !VerQueryValueW(data.data(), L"\\StringFileInfo\\040904B0\\ProductVersion", &value,
                      &length)) {
    return 1;
  }
  Print(win::WideToUtf8(static_cast<const wchar_t*>(value)) + "\n");
  return 0;
}

int Run(const std::vector<std::wstring>& args) {
  const std::wstring command = args.size() > 1 ? args[1] : L"";
  if (command == L"version" && args.size() == 3) {
    return PrintVersion(args[2]);
  }
  if (args.size() < 3) {
    return 2;
  }
  const std::wstring& title = args[2];
  if (command == L"wait" && args.size() == 4) {
    return WaitFor(args[3], [&] { return FindTopWindow(title) != nullptr; }) ? 0 : 1;
  }
  if (command == L"gone" && args.size() == 4) {
    return WaitFor(args[3], [&] { return FindTopWindow(title) == nullptr; }) ? 0 : 1;
  }
  if (command == L"wait-control" && args.size() == 5) {
    return WaitFor(args[4],
                   [&] {
                     HWND top = FindTopWindow(title);
                     return top && FindControl(top, args[3]) != nullptr;
                   })
               ? 0
               : 1;
  }
  HWND top = FindTopWindow(title);
  if (!top) {
    return 1;
  }
  if (command == L"controls" && args.size() == 3) {
    return PrintControls(top);
  }
  if (command == L"click" && args.size() == 4) {
    return Click(top, args[3]);
  }
  if (command == L"close" && args.size() == 3) {
    return PostMessageW(top, WM_CLOSE, 0, 0) ? 0 : 1;
  }
  return 2;
}

}  // namespace

int main() {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args(words, words + count);
  LocalFree(words);
  const int status = Run(args);
  if (status == 2) {
    Print("window_probe: unknown command or wrong number of arguments\n");
  }
  return status;
}
