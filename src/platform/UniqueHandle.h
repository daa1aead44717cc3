#pragma once
// Ownership of one handle of the operating system (a find handle, a device
// context, a key, a file, an item-ID list ...): it is released once, on
// every way out of the scope that holds it, exceptions included. Handles
// are plain integers here, so one template serves them all; what releasing
// takes (FindClose, ReleaseDC with its window, EndPaint with its paint
// record) is given as a callable.
#include <type_traits>
#include <utility>

namespace platform {

template <typename T, typename Releaser>
class UniqueHandle {
 public:
  // none: what the acquiring call returns when it failed; it is never released.
  UniqueHandle(T handle, Releaser release, T none = T{}) : handle_(handle), none_(none), release_(std::move(release)) {}
  UniqueHandle(UniqueHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, other.none_)), none_(other.none_), release_(std::move(other.release_)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept requires std::is_move_assignable_v<Releaser> {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, other.none_);
      none_ = other.none_;
      release_ = std::move(other.release_);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  T Get() const { return handle_; }
  bool Valid() const { return handle_ != none_; }
  // Releases the handle now; later calls do nothing.
  void Reset() {
    if (handle_ != none_) release_(std::exchange(handle_, none_));
  }
  // Takes a new handle, releasing the one held before.
  void Reset(T handle) {
    Reset();
    handle_ = handle;
  }

 private:
  T handle_;
  T none_;
  Releaser release_;
};

}  // namespace platform
