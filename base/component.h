#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace base {

// Base of everything a form owns: a name, a free integer tag and an owner
// that frees it. Owned components are destroyed in reverse order of
// insertion, so later parts may rely on earlier ones while they go.
class TComponent {
 public:
  explicit TComponent(TComponent* owner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Component(int index) const { return components_[index]; }
  TComponent* FindComponent(const std::string& name) const;
  // The component of that name among all this one owns, directly or
  // through the components it owns (a label in a group box, a menu entry
  // in a menu); the first in order of insertion, or nullptr.
  TComponent* FindNestedComponent(const std::string& name) const;

  // Tells, after a call that may have freed the component, whether it
  // still exists: an event handler may free the form that holds the
  // component whose event it handles. Watches nest and allocate nothing.
  class Watch {
   public:
    explicit Watch(const TComponent& component);
    ~Watch();
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    bool Gone() const { return component_ == nullptr; }

   private:
    friend class TComponent;
    const TComponent* component_;
    Watch* next_;
  };

 protected:
  // Code up the stack watches the component: it is in the middle of one
  // of the component's calls.
  bool Watched() const { return watches_ != nullptr; }

  // Frees the owned components, the last inserted first. Derived classes
  // call it first thing in their destructor when the components need them
  // whole while they go.
  void DestroyComponents();

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  TComponent* owner_;
  std::string name_;
  int tag_ = 0;
  std::vector<TComponent*> components_;
  mutable Watch* watches_ = nullptr;
};

// An event: a handler called with the component it comes from; an unset
// event is skipped.
using TNotifyEvent = std::function<void(TComponent* sender)>;

}  // namespace base
