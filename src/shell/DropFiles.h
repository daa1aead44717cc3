#pragma once
// TStDropFiles: makes one windowed control accept files dropped from the
// shell and hands the dropped paths and the drop point to an event. All
// behaviour is in TStCustomDropFiles; TStDropFiles makes it public.
#include <cstdint>

#include "platform/dragdrop.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/controls/WinControl.h"
#include "toolkit/controls/WindowSubclass.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/StringList.h"

namespace muralto {

// Sender and the drop position in the target's client coordinates.
using TStDropFilesEvent = toolkit::TPointEvent;

class TStCustomDropFiles : public toolkit::TComponent {
 public:
  explicit TStCustomDropFiles(toolkit::TComponent* owner);
  ~TStCustomDropFiles() override;

  // The full paths of the last drop, in the shell's order.
  const toolkit::TStringList& DroppedFiles() const { return droppedFiles_; }
  // How many paths the shell reported for the last drop.
  int DroppedCount() const { return droppedCount_; }
  // The target had no window when it was set: the hook waits for Loaded.
  bool HookPending() const { return hookPending_; }
  bool Hooked() const { return hook_.Installed(); }

  void Loaded() override;
  void Notification(toolkit::TComponent* component, toolkit::TOperation operation) override;

 protected:
  toolkit::TWinControl* DropTarget() const { return dropTarget_; }
  void SetDropTarget(toolkit::TWinControl* control);
  bool Active() const { return active_; }
  void SetActive(bool active);
  TStDropFilesEvent OnDropFiles;

  void HookTarget();
  void UnhookTarget();
  // The hooked window procedure of the target's window.
  platform::Lresult TargetWndProc(std::uint32_t message, platform::Wparam wParam, platform::Lparam lParam);
  virtual void DoDropFiles(platform::Point point);

 private:
  bool Designing() const;
  // Registers or unregisters the target's window, when it has one.
  void AcceptFiles(toolkit::TWinControl* control, bool accept);
  void TakeDrop(platform::Hdrop drop);

  toolkit::TWinControl* dropTarget_ = nullptr;
  bool active_ = true;
  toolkit::TStringList droppedFiles_;
  int droppedCount_ = 0;
  toolkit::TWindowSubclass hook_;
  toolkit::TNotice::TMembership targetCreated_;  // waits for the target's window
  bool hookPending_ = false;
  bool destroying_ = false;
};

class TStDropFiles : public TStCustomDropFiles {
 public:
  using TStCustomDropFiles::Active;
  using TStCustomDropFiles::DropTarget;
  using TStCustomDropFiles::OnDropFiles;
  using TStCustomDropFiles::SetActive;
  using TStCustomDropFiles::SetDropTarget;
  using TStCustomDropFiles::TStCustomDropFiles;
};

}  // namespace muralto
