#pragma once
// A bound callback taking the sender; an empty one is skipped.
#include <functional>

namespace toolkit {

class TObject;
using TNotifyEvent = std::function<void(TObject* sender)>;

inline void Fire(const TNotifyEvent& event, TObject* sender) {
  if (event) event(sender);
}

// The root class: every component and many plain objects derive from it so
// that an event's sender can be compared and cast.
class TObject {
 public:
  virtual ~TObject() = default;
};

}  // namespace toolkit
