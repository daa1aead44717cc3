#include "shell/DropFiles.h"

#include "platform/UniqueHandle.h"

namespace muralto {

TStCustomDropFiles::TStCustomDropFiles(toolkit::TComponent* owner) : toolkit::TComponent(owner) {
  if (owner && owner->InState(toolkit::csDesigning)) dropTarget_ = dynamic_cast<toolkit::TWinControl*>(owner);
}

TStCustomDropFiles::~TStCustomDropFiles() {
  destroying_ = true;
  targetCreated_.Leave();
  UnhookTarget();
}

bool TStCustomDropFiles::Designing() const { return InState(toolkit::csDesigning); }

void TStCustomDropFiles::AcceptFiles(toolkit::TWinControl* control, bool accept) {
  // A window made later is registered by Loaded.
  if (control && control->HandleAllocated()) platform::DragAcceptFiles(control->Handle(), accept);
}

void TStCustomDropFiles::SetDropTarget(toolkit::TWinControl* control) {
  if (Designing()) {
    dropTarget_ = control ? control : dynamic_cast<toolkit::TWinControl*>(Owner());
    return;
  }
  UnhookTarget();
  toolkit::TWinControl* old = dropTarget_;
  dropTarget_ = control;
  if (control) control->FreeNotification(this);
  HookTarget();
  if (old) AcceptFiles(old, false);
  AcceptFiles(control, active_);
}

void TStCustomDropFiles::SetActive(bool active) {
  active_ = active;
  if (!Designing()) AcceptFiles(dropTarget_, active);
}

void TStCustomDropFiles::HookTarget() {
  if (dropTarget_ && !dropTarget_->HandleAllocated() && !hookPending_) {
    hookPending_ = true;
    return;
  }
  hookPending_ = false;
  if (Hooked() || !dropTarget_) return;
  hook_.Install(dropTarget_->Handle(), [this](std::uint32_t message, platform::Wparam wParam, platform::Lparam lParam) {
    return TargetWndProc(message, wParam, lParam);
  });
}

void TStCustomDropFiles::UnhookTarget() { hook_.Remove(); }

void TStCustomDropFiles::Loaded() {
  toolkit::TComponent::Loaded();
  if (Designing()) return;
  // Without a target the owner is the target, and like any other it may
  // have no window yet.
  if (!dropTarget_) SetDropTarget(dynamic_cast<toolkit::TWinControl*>(Owner()));
  if (hookPending_ && dropTarget_ && !dropTarget_->HandleAllocated()) {
    // The target's window comes once its form's set-up is done; making it
    // here would show the form to other programs half set up. The hook and
    // the registration go in as soon as the window exists.
    toolkit::TWinControl* target = dropTarget_;
    targetCreated_ = target->OnWindowCreated.Join([this, target](toolkit::TObject*) {
      targetCreated_.Leave();
      SetDropTarget(target);
      SetActive(active_);
    });
    return;
  }
  if (hookPending_) SetDropTarget(dropTarget_);
  if (active_) SetActive(true);
}

void TStCustomDropFiles::Notification(toolkit::TComponent* component, toolkit::TOperation operation) {
  toolkit::TComponent::Notification(component, operation);
  if (operation != toolkit::TOperation::opRemove || !component || component != dropTarget_) return;
  // The target goes: its window is gone or about to go, and no other
  // window is registered in its place.
  UnhookTarget();
  targetCreated_.Leave();
  dropTarget_ = nullptr;
  hookPending_ = false;
}

platform::Lresult TStCustomDropFiles::TargetWndProc(std::uint32_t message, platform::Wparam wParam,
                                                    platform::Lparam lParam) {
  if (message == platform::WmDropFiles) {
    auto drop = static_cast<platform::Hdrop>(wParam);
    droppedCount_ = static_cast<int>(platform::DragQueryFileA(drop, platform::DragQueryCount, nullptr, 0));
    if (droppedCount_ > 0) {
      TakeDrop(drop);
      return 0;
    }
  }
  return hook_.CallNext(message, wParam, lParam);
}

void TStCustomDropFiles::TakeDrop(platform::Hdrop drop) {
  // The drop is released however the event ends.
  platform::UniqueHandle release(drop, [](platform::Hdrop d) { platform::DragFinish(d); });
  droppedFiles_.Clear();
  for (int i = 0; i < droppedCount_; ++i) {
    // The shell copies at most 259 characters and the terminating zero.
    char buffer[platform::MaxPath] = {};
    platform::DragQueryFileA(drop, static_cast<std::uint32_t>(i), buffer, platform::MaxPath);
    buffer[platform::MaxPath - 1] = '\0';
    droppedFiles_.Add(buffer);
  }
  platform::Point point;
  platform::DragQueryPoint(drop, &point);
  DoDropFiles(point);
}

void TStCustomDropFiles::DoDropFiles(platform::Point point) {
  if (OnDropFiles) OnDropFiles(this, point);
}

}  // namespace muralto
