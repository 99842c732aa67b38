#include "skinning/engine/deferred_release.h"

#include <vector>

namespace skinning {

namespace {

int openScopes = 0;

std::vector<std::function<void()>>& Pending() {
  static std::vector<std::function<void()>> pending;
  return pending;
}

// A release may free objects whose own release is then pending in turn.
void RunPending() {
  while (!Pending().empty()) {
    std::vector<std::function<void()>> now;
    now.swap(Pending());
    for (auto& release : now) {
      release();
    }
  }
}

}  // namespace

MessageScope::MessageScope() {
  ++openScopes;
}

MessageScope::~MessageScope() {
  if (--openScopes == 0) {
    RunPending();
  }
}

void ReleaseWhenIdle(std::function<void()> release) {
  if (openScopes == 0) {
    release();
    return;
  }
  Pending().push_back(std::move(release));
}

}  // namespace skinning
