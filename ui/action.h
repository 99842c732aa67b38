#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/component.h"

namespace ui {

class TAction;

// The tie between an action and one client (a button, a menu item): the
// client hears every change of the action and executes it when clicked.
// Either side may go first; the other is told.
class TActionLink {
 public:
  using ChangeHandler = std::function<void(const TAction& action)>;

  explicit TActionLink(ChangeHandler onChange) : onChange_(std::move(onChange)) {}
  ~TActionLink() { SetAction(nullptr); }
  TActionLink(const TActionLink&) = delete;
  TActionLink& operator=(const TActionLink&) = delete;

  TAction* Action() const { return action_; }
  // Binds (or, with nullptr, unbinds) and hands the action's state over.
  void SetAction(TAction* action);

 private:
  friend class TAction;
  TAction* action_ = nullptr;
  ChangeHandler onChange_;
};

// A command with a caption and an enabled state shown by every client bound
// to it.
class TAction : public base::TComponent {
 public:
  using base::TComponent::TComponent;
  ~TAction() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Calls OnExecute when the action is enabled and has a handler; tells
  // whether it did.
  bool Execute();

  base::TNotifyEvent OnExecute;

 private:
  friend class TActionLink;
  void Changed();

  std::string caption_;
  bool enabled_ = true;
  std::vector<TActionLink*> links_;
};

// Holds a form's actions.
class TActionList : public base::TComponent {
 public:
  using base::TComponent::TComponent;
};

}  // namespace ui
