#include "base/component.h"

#include <algorithm>

namespace base {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) {
    owner_->InsertComponent(this);
  }
}

TComponent::~TComponent() {
  for (Watch* watch = watches_; watch; watch = watch->next_) {
    watch->component_ = nullptr;
  }
  DestroyComponents();
  if (owner_) {
    owner_->RemoveComponent(this);
  }
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    delete components_.back();
  }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* component : components_) {
    if (component->Name() == name) {
      return component;
    }
  }
  return nullptr;
}

TComponent* TComponent::FindNestedComponent(const std::string& name) const {
  for (TComponent* component : components_) {
    if (component->Name() == name) {
      return component;
    }
    if (TComponent* found = component->FindNestedComponent(name)) {
      return found;
    }
  }
  return nullptr;
}

TComponent::Watch::Watch(const TComponent& component)
    : component_(&component), next_(component.watches_) {
  component.watches_ = this;
}

TComponent::Watch::~Watch() {
  if (!component_) {
    return;
  }
  Watch** link = &component_->watches_;
  while (*link != this) {
    link = &(*link)->next_;
  }
  *link = next_;
}

void TComponent::InsertComponent(TComponent* component) {
  components_.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component) {
  components_.erase(std::remove(components_.begin(), components_.end(), component),
                    components_.end());
}

}  // namespace base
