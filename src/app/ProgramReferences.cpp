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
std::unique_ptr<vcl::TRegistry>& RunRegistryObject() {
  static std::unique_ptr<vcl::TRegistry> object = std::make_unique<vcl::TRegistry>();
  return object;
}

// Hears of the watched windows' destruction through the components' own
// free notification.
class TReferenceKeeper : public vcl::TComponent {
 public:
  TReferenceKeeper() : vcl::TComponent(nullptr) {}

  void Watch(vcl::TComponent* component, void (*clear)()) {
    watched_.emplace_back(component, clear);
    FreeNotification(component);
  }

  void Notification(vcl::TComponent* component, vcl::TOperation operation) override {
    vcl::TComponent::Notification(component, operation);
    if (operation != vcl::TOperation::opRemove) return;
    std::erase_if(watched_, [component](const auto& entry) {
      if (entry.first != component) return false;
      entry.second();
      return true;
    });
  }

 private:
  std::vector<std::pair<vcl::TComponent*, void (*)()>> watched_;
};

TReferenceKeeper& Keeper() {
  static TReferenceKeeper keeper;
  return keeper;
}
}  // namespace

vcl::TRegistry* runRegistry = RunRegistryObject().get();

void ClearWhenDestroyed(vcl::TComponent* component, void (*clear)()) {
  if (component) Keeper().Watch(component, clear);
}

}  // namespace muralto
