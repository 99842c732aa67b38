#include "skinning/window_hook.h"

#include <windows.h>

#include "skinning/deferred_release.h"
#include "skinning/skin_engine.h"
#include "ui/application.h"

namespace skinning {

namespace {

HHOOK hook = nullptr;
TvxSkinEngine* hookingEngine = nullptr;

LRESULT CALLBACK HookProcedure(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && hookingEngine) {
    MessageScope scope;
    try {
      HWND window = reinterpret_cast<HWND>(wParam);
      if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        if (hookingEngine->WindowCreating(window, *create->lpcs)) {
          return 1;
        }
      } else if (code == HCBT_ACTIVATE) {
        hookingEngine->WindowActivating(window);
      }
    } catch (...) {
      ui::Application().HandleException();
    }
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

bool InstallWindowHook(TvxSkinEngine& engine) {
  if (hookingEngine) {
    return false;
  }
  hook = SetWindowsHookExW(WH_CBT, &HookProcedure, nullptr, GetCurrentThreadId());
  if (!hook) {
    return false;
  }
  hookingEngine = &engine;
  return true;
}

void RemoveWindowHook(TvxSkinEngine& engine) {
  if (hookingEngine != &engine) {
    return;
  }
  UnhookWindowsHookEx(hook);
  hook = nullptr;
  hookingEngine = nullptr;
}

}  // namespace skinning
