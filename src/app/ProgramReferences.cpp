#include "app/ProgramReferences.h"

#include <memory>
#include <utility>
#include <vector>

#include "toolkit/core/Component.h"

namespace muralto {

TForm1* Form1 = nullptr;
TFormOptions* FormOptions = nullptr;
TAboutBox* AboutBox = nullptr;
TWPChanger* wallpaperChanger = nullptr;

namespace {
// Made before the entry routine runs, once however often this unit is
// initialised; released only as the process ends.
std::unique_ptr<toolkit::TRegistry>& RunRegistryObject() {
  static std::unique_ptr<toolkit::TRegistry> object = std::make_unique<toolkit::TRegistry>();
  return object;
}

// Hears of the watched windows' destruction through the components' own
// free notification.
class TReferenceKeeper : public toolkit::TComponent {
 public:
  TReferenceKeeper() : toolkit::TComponent(nullptr) {}

  void Watch(toolkit::TComponent* component, void (*clear)()) {
    watched_.emplace_back(component, clear);
    FreeNotification(component);
  }

  void Notification(toolkit::TComponent* component, toolkit::TOperation operation) override {
    toolkit::TComponent::Notification(component, operation);
    if (operation != toolkit::TOperation::opRemove) return;
    std::erase_if(watched_, [component](const auto& entry) {
      if (entry.first != component) return false;
      entry.second();
      return true;
    });
  }

 private:
  std::vector<std::pair<toolkit::TComponent*, void (*)()>> watched_;
};

TReferenceKeeper& Keeper() {
  static TReferenceKeeper keeper;
  return keeper;
}
}  // namespace

toolkit::TRegistry* runRegistry = RunRegistryObject().get();

void ClearWhenDestroyed(toolkit::TComponent* component, void (*clear)()) {
  if (component) Keeper().Watch(component, clear);
}

}  // namespace muralto
