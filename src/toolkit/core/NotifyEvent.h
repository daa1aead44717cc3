#pragma once
// A bound callback taking the sender; an empty one is skipped.
#include <functional>

#include "toolkit/core/Object.h"

namespace toolkit {

using TNotifyEvent = std::function<void(TObject* sender)>;

inline void Fire(const TNotifyEvent& event, TObject* sender) {
  if (event) event(sender);
}

}  // namespace toolkit
