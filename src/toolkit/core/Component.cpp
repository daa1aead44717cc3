#include "toolkit/core/Component.h"

#include <algorithm>
#include <cctype>

namespace toolkit {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->Insert(this);
}

TComponent::~TComponent() {
  state_ |= csDestroying;
  // Those who asked to be told learn of the loss first.
  auto notifies = freeNotifies_;
  for (TComponent* other : notifies) {
    other->RemoveFreeNotification(this);
    other->Notification(this, TOperation::opRemove);
  }
  DestroyComponents();
  if (owner_) owner_->Remove(this);
}

void TComponent::DestroyComponents() {
  // Owned components go in reverse order of creation.
  while (!owned_.empty()) {
    std::unique_ptr<TComponent> last = std::move(owned_.back());
    owned_.pop_back();
    last.reset();
  }
}

void TComponent::SetDesigning(bool on) {
  if (on) {
    state_ |= csDesigning;
  } else {
    state_ &= ~static_cast<unsigned>(csDesigning);
  }
}

void TComponent::SetLoading(bool on) {
  if (on) {
    state_ |= csLoading;
  } else {
    state_ &= ~static_cast<unsigned>(csLoading);
  }
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* c : components_) {
    if (c->name_.size() == name.size() && std::equal(name.begin(), name.end(), c->name_.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        })) {
      return c;
    }
  }
  return nullptr;
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component) RemoveFreeNotification(component);
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
  }
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end()) {
    component->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
}

void TComponent::Insert(TComponent* child) {
  components_.push_back(child);
  for (TComponent* c : components_) {
    if (c != child) c->Notification(child, TOperation::opInsert);
  }
}

void TComponent::Remove(TComponent* child) {
  components_.erase(std::remove(components_.begin(), components_.end(), child), components_.end());
  Notification(child, TOperation::opRemove);
  for (TComponent* c : components_) c->Notification(child, TOperation::opRemove);
}

std::vector<std::unique_ptr<TComponent>>& TComponent::orphans() {
  static std::vector<std::unique_ptr<TComponent>> list;
  return list;
}

void TComponent::Free(TComponent* component) {
  if (!component) return;
  auto take = [component](std::vector<std::unique_ptr<TComponent>>& list) {
    auto it = std::find_if(list.begin(), list.end(), [component](const auto& p) { return p.get() == component; });
    if (it == list.end()) return false;
    std::unique_ptr<TComponent> doomed = std::move(*it);
    list.erase(it);
    doomed.reset();
    return true;
  };
  if (component->owner_) {
    take(component->owner_->owned_);
  } else {
    take(orphans());
  }
}

}  // namespace toolkit
