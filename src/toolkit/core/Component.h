#pragma once
// TComponent: the base of everything a form owns. An owner destroys what it
// owns, in reverse order of creation, and tells the others about each loss.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/core/NotifyEvent.h"

namespace toolkit {

enum class TOperation { opInsert, opRemove };

enum TComponentStateFlag : unsigned {
  csLoading = 1u << 0,
  csReading = 1u << 1,
  csWriting = 1u << 2,
  csDestroying = 1u << 3,
  csDesigning = 1u << 4,
};

class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  std::intptr_t Tag() const { return tag_; }
  void SetTag(std::intptr_t tag) { tag_ = tag; }

  unsigned ComponentState() const { return state_; }
  bool InState(TComponentStateFlag flag) const { return (state_ & flag) != 0; }
  // The form designer sets this; at run time it stays clear.
  void SetDesigning(bool on);

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
  TComponent* FindComponent(const std::string& name) const;

  // Called once the owner's stored properties have been applied.
  virtual void Loaded() { state_ &= ~static_cast<unsigned>(csLoading); }
  // Told when a component this one refers to is inserted or about to go.
  virtual void Notification(TComponent* component, TOperation operation);
  // Ask to be told when component is destroyed, even if not a sibling.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Owned lifetime: the owner keeps the object and destroys it with itself.
  template <class T, class... Args>
  static T* Create(TComponent* owner, Args&&... args) {
    auto object = std::make_unique<T>(owner, std::forward<Args>(args)...);
    T* raw = object.get();
    if (owner) {
      owner->owned_.push_back(std::move(object));
    } else {
      orphans().push_back(std::move(object));
    }
    return raw;
  }
  // Destroys a component created with Create (owned or not).
  static void Free(TComponent* component);
  // Destroys what this component owns now. A derived class whose owned
  // components refer to its members calls this first in its destructor.
  void DestroyComponents();

 protected:
  void SetLoading(bool on);

 private:
  void Insert(TComponent* child);
  void Remove(TComponent* child);
  static std::vector<std::unique_ptr<TComponent>>& orphans();

  TComponent* owner_ = nullptr;
  std::string name_;
  std::intptr_t tag_ = 0;
  unsigned state_ = 0;
  std::vector<TComponent*> components_;  // in order of insertion
  std::vector<std::unique_ptr<TComponent>> owned_;
  std::vector<TComponent*> freeNotifies_;
};

}  // namespace toolkit
