#include "tests/support/window_driver.h"

#include <map>

#include "ui/application.h"
#include "win/window_text.h"

namespace test_support {
namespace {

std::map<UINT_PTR, RepeatingTimer*>& Timers() {
  static std::map<UINT_PTR, RepeatingTimer*> timers;
  return timers;
}

CbtHook* currentHook = nullptr;

struct Search {
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (IsWindowVisible(window) && ClassName(window) == search->className) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

RepeatingTimer::RepeatingTimer(std::function<bool()> action)
    : id_(SetTimer(nullptr, 0, 20, &Fire)), action_(std::move(action)) {
  Timers()[id_] = this;
}

RepeatingTimer::~RepeatingTimer() {
  if (id_) {
    KillTimer(nullptr, id_);
  }
  Timers().erase(id_);
}

// Guarded: an action that pumps messages (a message box, a modal form)
// would otherwise get the same timer fired inside itself.
void CALLBACK RepeatingTimer::Fire(HWND, UINT, UINT_PTR id, DWORD) {
  auto found = Timers().find(id);
  if (found == Timers().end() || found->second->busy_) {
    return;
  }
  RepeatingTimer* timer = found->second;
  timer->busy_ = true;
  const bool done = timer->action_();
  timer->busy_ = false;
  if (done) {
    KillTimer(nullptr, id);
    Timers().erase(id);
    timer->id_ = 0;
  }
}

HWND FindThreadWindow(const wchar_t* className) {
  Search search{className, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

WindowAnswerer::WindowAnswerer(const wchar_t* className, std::function<void(HWND)> answer)
    : timer_([className, answer] {
        HWND window = FindThreadWindow(className);
        if (!window) {
          return false;
        }
        answer(window);
        return true;
      }) {}

CbtHook::CbtHook(std::function<void(int, WPARAM, LPARAM)> onEvent)
    : hook_(SetWindowsHookExW(WH_CBT, &Proc, nullptr, GetCurrentThreadId())),
      onEvent_(std::move(onEvent)) {
  currentHook = this;
}

CbtHook::~CbtHook() {
  UnhookWindowsHookEx(hook_);
  currentHook = nullptr;
}

LRESULT CALLBACK CbtHook::Proc(int code, WPARAM wParam, LPARAM lParam) {
  if (currentHook && code >= 0) {
    currentHook->onEvent_(code, wParam, lParam);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) {
      return false;
    }
    ui::Application().WaitForMessageOrHandle(nullptr, timeoutMs - elapsed);
    ui::Application().ProcessMessages();
  }
  return true;
}

std::wstring WindowText(HWND window) {
  return win::WindowTextOf(window);
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

}  // namespace test_support
