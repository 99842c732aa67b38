#include "win/window_class.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "tests/win/test_window.h"

namespace win_test {
namespace {

bool Saw(const TestWindow& window, UINT message) {
  const auto& messages = window.Messages();
  return std::find(messages.begin(), messages.end(), message) != messages.end();
}

// Each window's object is linked from its creation on and gets every
// message; both windows of the one class are there.
TEST(WindowClassTest, ClassRegisteredTwiceUnderOneNameWorks) {
  const std::wstring first = win::RegisterWindowClass("VexmoorTwice");
  const std::wstring second = win::RegisterWindowClass("VexmoorTwice");
  EXPECT_EQ(L"VexmoorTwice", first);
  EXPECT_EQ(first, second);

  TestWindow one("VexmoorTwice");
  TestWindow other("VexmoorTwice");
  for (const TestWindow* window : {&one, &other}) {
    ASSERT_NE(nullptr, window->Handle());
    EXPECT_EQ(static_cast<UINT>(WM_NCCREATE), window->Messages().front());
    EXPECT_TRUE(Saw(*window, WM_CREATE));
    EXPECT_EQ(kTheAnswer, SendMessageW(window->Handle(), kAnswer, 0, 0));
  }
}

// Registered by someone else with the shared procedure: used as it is.
TEST(WindowClassTest, ClassRegisteredElsewhereWithTheSharedProcedureIsUsed) {
  WNDCLASSEXW description{};
  description.cbSize = sizeof description;
  description.lpfnWndProc = &win::WindowObject::Procedure;
  description.hInstance = GetModuleHandleW(nullptr);
  description.lpszClassName = L"VexmoorRegisteredBefore";
  ASSERT_NE(0, RegisterClassExW(&description));

  TestWindow window("VexmoorRegisteredBefore");
  EXPECT_EQ(kTheAnswer, SendMessageW(window.Handle(), kAnswer, 0, 0));
}

TEST(WindowClassTest, NameTakenByAnotherProcedureIsRefused) {
  WNDCLASSEXW description{};
  description.cbSize = sizeof description;
  description.lpfnWndProc = &DefWindowProcW;
  description.hInstance = GetModuleHandleW(nullptr);
  description.lpszClassName = L"VexmoorTaken";
  ASSERT_NE(0, RegisterClassExW(&description));

  for (const char* name : {"VexmoorTaken", "Button"}) {
    EXPECT_THROW(win::RegisterWindowClass(name), std::logic_error) << name;
  }
}

}  // namespace
}  // namespace win_test
