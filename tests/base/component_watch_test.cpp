#include <gtest/gtest.h>

#include <functional>

#include "base/component.h"

namespace base {
namespace {

// A component whose one call runs a handler that may free it, as a
// button's click may free the form that holds the button.
class Clickable : public TComponent {
 public:
  using TComponent::TComponent;

  // Runs the handler from a copy, which outlives the component, and
  // touches the component only while it still exists once the handler is
  // done.
  void Click() {
    const Watch watch(*this);
    const Watch inner(*this);
    if (OnClick) {
      const std::function<void()> handler = OnClick;
      handler();
    }
    afterwards = inner.Gone() ? "gone" : "still here";
    if (!watch.Gone()) {
      ++clicks;
    }
  }
  bool Watching() const { return Watched(); }

  std::function<void()> OnClick;
  int clicks = 0;
  static inline const char* afterwards = "";
};

// Under the sanitizers a component touched after it was freed fails the
// run.
TEST(ComponentWatch, TellsWhetherTheCallFreedTheComponentOrItsOwner) {
  struct Case {
    const char* what;
    bool freeOwner;
    bool freeItself;
  };
  const Case cases[] = {
      {"left alone", false, false},
      {"freed with its owner", true, false},
      {"freed itself", false, true},
  };
  for (const Case& c : cases) {
    auto* owner = new TComponent(nullptr);
    auto* button = new Clickable(owner);
    button->OnClick = [&] {
      if (c.freeOwner) {
        delete owner;
        owner = nullptr;
      } else if (c.freeItself) {
        delete button;
        button = nullptr;
      }
    };
    button->Click();
    const bool freed = c.freeOwner || c.freeItself;
    EXPECT_STREQ(freed ? "gone" : "still here", Clickable::afterwards) << c.what;
    if (button && owner) {
      EXPECT_EQ(1, button->clicks) << c.what;
      EXPECT_FALSE(button->Watching()) << c.what << ": the watches are gone with the call";
    }
    delete owner;
  }
}

}  // namespace
}  // namespace base
