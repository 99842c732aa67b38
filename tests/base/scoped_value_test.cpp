#include "base/scoped_value.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace base {
namespace {

// What a message handler does with its state: nested scopes, the inner one
// left by an exception.
TEST(ScopedValue, NestedScopesEachPutBackWhatTheyFoundEvenWhenLeftByAnException) {
  std::string state = "idle";
  {
    const ScopedValue outer(state, std::string("painting"));
    EXPECT_THROW(
        {
          const ScopedValue inner(state, std::string("measuring"));
          EXPECT_EQ("measuring", state);
          throw std::runtime_error("failed");
        },
        std::runtime_error);
    EXPECT_EQ("painting", state);
  }
  EXPECT_EQ("idle", state);
}

}  // namespace
}  // namespace base
