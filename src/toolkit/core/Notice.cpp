#include "toolkit/core/Notice.h"

#include <algorithm>

namespace toolkit {

TNotice::TMembership& TNotice::TMembership::operator=(TMembership&& other) noexcept {
  if (this != &other) {
    Leave();
    listeners_ = std::move(other.listeners_);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

bool TNotice::TMembership::Joined() const {
  auto listeners = listeners_.lock();
  if (!listeners) return false;
  return std::any_of(listeners->joined.begin(), listeners->joined.end(),
                     [this](const Listener& l) { return l.id == id_; });
}

void TNotice::TMembership::Leave() {
  if (auto listeners = listeners_.lock()) {
    std::erase_if(listeners->joined, [this](const Listener& l) { return l.id == id_; });
  }
  listeners_.reset();
  id_ = 0;
}

TNotice::TMembership TNotice::Join(TNotifyEvent listener) {
  TMembership membership;
  membership.listeners_ = listeners_;
  membership.id_ = listeners_->next++;
  listeners_->joined.push_back({membership.id_, std::make_shared<const TNotifyEvent>(std::move(listener))});
  return membership;
}

void TNotice::Fire(TObject* sender) const {
  // The list and each call are held for the whole round: a listener may
  // leave, free its membership or the notice's owner while it runs.
  const std::shared_ptr<Listeners> listeners = listeners_;
  const std::vector<Listener> round = listeners->joined;
  for (const Listener& listener : round) {
    bool stillJoined = std::any_of(listeners->joined.begin(), listeners->joined.end(),
                                   [&](const Listener& l) { return l.id == listener.id; });
    if (stillJoined && *listener.call) (*listener.call)(sender);
  }
}

}  // namespace toolkit
