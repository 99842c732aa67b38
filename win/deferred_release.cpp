#include "win/deferred_release.h"

#include <memory>
#include <utility>
#include <vector>

namespace win {

namespace {

using Releases = std::vector<std::function<void()>>;

thread_local int openScopes = 0;
// Only while releases wait, so that a thread leaves nothing behind to be
// destroyed: the toolchain's thread-local objects with destructors crash
// when their thread ends.
thread_local Releases* pending = nullptr;

// A release may free objects whose own release is then pending in turn.
void RunPending() {
  while (pending) {
    const std::unique_ptr<Releases> now(std::exchange(pending, nullptr));
    for (auto& release : *now) {
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
  if (!pending) {
    pending = new Releases;
  }
  pending->push_back(std::move(release));
}

}  // namespace win
