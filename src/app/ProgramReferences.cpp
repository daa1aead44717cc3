#include "app/ProgramReferences.h"

#include <memory>

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
}  // namespace

vcl::TRegistry* runRegistry = RunRegistryObject().get();

}  // namespace muralto
