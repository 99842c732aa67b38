#include "skinning/engine/window_hook.h"

#include <windows.h>

#include "skinning/engine/skin_engine.h"
#include "win/entry_guard.h"

namespace skinning {

namespace {

HHOOK creationHook = nullptr;
HHOOK messageHook = nullptr;
TvxSkinEngine* hookingEngine = nullptr;

// True when the engine refuses the window's creation.
bool TellEngine(int code, WPARAM wParam, LPARAM lParam) {
  HWND window = reinterpret_cast<HWND>(wParam);
  if (code == HCBT_CREATEWND) {
    const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
    return hookingEngine->WindowCreating(window, *create->lpcs);
  }
  if (code == HCBT_ACTIVATE) {
    hookingEngine->WindowActivating(window);
  }
  return false;
}

LRESULT CALLBACK CreationHookProcedure(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && hookingEngine &&
      win::Guarded(false, [&] { return TellEngine(code, wParam, lParam); })) {
    return 1;
  }
  return CallNextHookEx(creationHook, code, wParam, lParam);
}

// Sees each message as it leaves the queue, before the loop handles it.
LRESULT CALLBACK MessageHookProcedure(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && wParam == PM_REMOVE && hookingEngine) {
    win::GuardedCall([&] { hookingEngine->RouteMenuKey(*reinterpret_cast<MSG*>(lParam)); });
  }
  return CallNextHookEx(messageHook, code, wParam, lParam);
}

}  // namespace

bool InstallWindowHook(TvxSkinEngine& engine) {
  if (hookingEngine) {
    return false;
  }
  creationHook = SetWindowsHookExW(WH_CBT, &CreationHookProcedure, nullptr, GetCurrentThreadId());
  if (!creationHook) {
    return false;
  }
  messageHook =
      SetWindowsHookExW(WH_GETMESSAGE, &MessageHookProcedure, nullptr, GetCurrentThreadId());
  hookingEngine = &engine;
  return true;
}

void RemoveWindowHook(TvxSkinEngine& engine) {
  if (hookingEngine != &engine) {
    return;
  }
  UnhookWindowsHookEx(creationHook);
  if (messageHook) {
    UnhookWindowsHookEx(messageHook);
  }
  creationHook = messageHook = nullptr;
  hookingEngine = nullptr;
}

}  // namespace skinning
