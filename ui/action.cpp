#include "ui/action.h"

#include <algorithm>

namespace ui {

void TActionLink::SetAction(TAction* action) {
  if (action_) {
    auto& links = action_->links_;
    links.erase(std::remove(links.begin(), links.end(), this), links.end());
  }
  action_ = action;
  if (action_) {
    action_->links_.push_back(this);
    onChange_(*action_);
  }
}

TAction::~TAction() {
  for (TActionLink* link : links_) {
    link->action_ = nullptr;
  }
}

void TAction::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  Changed();
}

void TAction::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Changed();
}

bool TAction::Execute() {
  if (!enabled_ || !OnExecute) {
    return false;
  }
  // Run from a copy: what it does may free the action with its form.
  const base::TNotifyEvent handler = OnExecute;
  handler(this);
  return true;
}

void TAction::Changed() {
  for (TActionLink* link : links_) {
    link->onChange_(*this);
  }
}

}  // namespace ui
