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
using TStDropFilesEvent = vcl::TPointEvent;

class TStCustomDropFiles : public vcl::TComponent {
 public:
  explicit TStCustomDropFiles(vcl::TComponent* owner);
  ~TStCustomDropFiles() override;

  // The full paths of the last drop, in the shell's order.
  const vcl::TStringList& DroppedFiles() const { return droppedFiles_; }
  // How many paths the shell reported for the last drop.
  int DroppedCount() const { return droppedCount_; }
  // The target had no window when it was set: the hook waits for Loaded.
  bool HookPending() const { return hookPending_; }
  bool Hooked() const { return hook_.Installed(); }

  void Loaded() override;
  void Notification(vcl::TComponent* component, vcl::TOperation operation) override;

 protected:
  vcl::TWinControl* DropTarget() const { return dropTarget_; }
  void SetDropTarget(vcl::TWinControl* control);
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
  void AcceptFiles(vcl::TWinControl* control, bool accept);
  void TakeDrop(platform::Hdrop drop);

  vcl::TWinControl* dropTarget_ = nullptr;
  bool active_ = true;
  vcl::TStringList droppedFiles_;
  int droppedCount_ = 0;
  vcl::TWindowSubclass hook_;
  vcl::TNotice::TMembership targetCreated_;  // waits for the target's window
  bool hookPending_ = false;
  bool destroying_ = false;
};

class TStDropFiles : public TStCustomDropFiles {
 public:
  using TStCustomDropFiles::TStCustomDropFiles;
  using TStCustomDropFiles::Active;
  using TStCustomDropFiles::DropTarget;
  using TStCustomDropFiles::OnDropFiles;
  using TStCustomDropFiles::SetActive;
  using TStCustomDropFiles::SetDropTarget;
};

}  // namespace muralto
