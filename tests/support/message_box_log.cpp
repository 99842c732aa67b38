#include "tests/support/message_box_log.h"

#include "win/code_page.h"

namespace test_support {

namespace {

constexpr int kOpenDialogFileNameControl = 1148;

std::string Text(HWND window) {
  return win::WideToUtf8(test_support::WindowText(window));
}

BOOL CALLBACK KeepLongestStaticText(HWND child, LPARAM data) {
  auto* longest = reinterpret_cast<std::string*>(data);
  const std::string text = Text(child);
  if (test_support::ClassName(child) == L"Static" && text.size() > longest->size()) {
    *longest = text;
  }
  return TRUE;
}

// The message of a message box: its longest static text (the icon is a
// static without text).
std::string MessageBoxText(HWND box) {
  std::string longest;
  EnumChildWindows(box, KeepLongestStaticText, reinterpret_cast<LPARAM>(&longest));
  return longest;
}

}  // namespace

MessageBoxLog::MessageBoxLog(int answer)
    : answer_(answer), timer_([this] { return AnswerNewBox(); }) {}

// The open dialog is a #32770 too; it is left to its own test.
bool MessageBoxLog::AnswerNewBox() {
  HWND box = test_support::FindThreadWindow(L"#32770");
  if (!box || box == lastAnswered_ || GetDlgItem(box, kOpenDialogFileNameControl)) {
    return false;
  }
  lastAnswered_ = box;
  texts_.push_back(MessageBoxText(box));
  captions_.push_back(Text(box));
  PostMessageW(box, WM_COMMAND, answer_, 0);
  return false;
}

}  // namespace test_support
