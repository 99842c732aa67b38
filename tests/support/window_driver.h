#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Helpers that drive real windows through real messages while a modal loop
// (ours, a message box's or a system dialog's) runs on the test thread.
namespace test_support {

// Runs an action from a thread timer every few milliseconds until it
// returns true, in whichever message loop is running; stops when it goes.
class RepeatingTimer {
 public:
  explicit RepeatingTimer(std::function<bool()> action);
  ~RepeatingTimer();
  RepeatingTimer(const RepeatingTimer&) = delete;
  RepeatingTimer& operator=(const RepeatingTimer&) = delete;

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD);
  UINT_PTR id_;
  std::function<bool()> action_;
  bool busy_ = false;
};

// A visible top-level window of this thread with the given class, or nullptr.
HWND FindThreadWindow(const wchar_t* className);

// Once a visible window of the class shows up, calls answer with it once.
class WindowAnswerer {
 public:
  WindowAnswerer(const wchar_t* className, std::function<void(HWND)> answer);

 private:
  RepeatingTimer timer_;
};

// A WH_CBT hook on this thread for the life of the object.
class CbtHook {
 public:
  explicit CbtHook(std::function<void(int code, WPARAM wParam, LPARAM lParam)> onEvent);
  ~CbtHook();
  CbtHook(const CbtHook&) = delete;
  CbtHook& operator=(const CbtHook&) = delete;

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam);
  HHOOK hook_;
  std::function<void(int, WPARAM, LPARAM)> onEvent_;
};

// Dispatches messages until the predicate holds or the time is up; returns
// the predicate's last value.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);

}  // namespace test_support
