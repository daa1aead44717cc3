#pragma once
// TNotice: an event that any number of listeners join and leave. A listener
// may leave, or another join, while the notice runs; one that joins then
// hears the next one. A listener leaves when its membership goes, so an
// object that keeps its membership as a member cannot be called after it is
// destroyed, and a membership outliving its notice is harmless.
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "toolkit/core/NotifyEvent.h"

namespace toolkit {

class TNotice {
  struct Listener {
    std::uint64_t id;
    std::shared_ptr<const TNotifyEvent> call;
  };
  struct Listeners {
    std::vector<Listener> joined;
    std::uint64_t next = 1;
  };

 public:
  class TMembership {
   public:
    TMembership() = default;
    TMembership(TMembership&& other) noexcept { *this = std::move(other); }
    TMembership& operator=(TMembership&& other) noexcept;
    TMembership(const TMembership&) = delete;
    TMembership& operator=(const TMembership&) = delete;
    ~TMembership() { Leave(); }

    bool Joined() const;
    void Leave();

   private:
    friend class TNotice;
    std::weak_ptr<Listeners> listeners_;
    std::uint64_t id_ = 0;
  };

  TNotice() = default;
  TNotice(const TNotice&) = delete;
  TNotice& operator=(const TNotice&) = delete;

  [[nodiscard]] TMembership Join(TNotifyEvent listener);
  // Calls each listener that joined before this call and has not left.
  void Fire(TObject* sender) const;
  std::size_t Count() const { return listeners_->joined.size(); }

 private:
  std::shared_ptr<Listeners> listeners_ = std::make_shared<Listeners>();
};

}  // namespace toolkit
