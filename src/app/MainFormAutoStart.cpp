// The auto-start value under the current user's Run key follows autoStart
// and the executable's current place.
#include "app/MainForm.h"
#include "app/ProgramReferences.h"
#include "app/Settings.h"
#include "platform/registry.h"
#include "toolkit/forms/Application.h"
#include "toolkit/core/PathNames.h"

namespace muralto {

void TForm1::UpdateAutoStart() {
  runRegistry->SetRootKey(platform::HkeyCurrentUser);
  // A key that cannot be opened shows up as the write's failure below.
  runRegistry->OpenKey(runKeyPath, true);
  if (autoStart) {
    vcl::TApplication* app = vcl::Application();
    std::string exe = app ? app->ExeName() : vcl::ModuleFileName();
    runRegistry->WriteString(Caption(), exe + " -a");
  } else {
    runRegistry->DeleteValue(Caption());
  }
}

void TForm1::SaveMainSettings() { SaveSettings(*this); }

}  // namespace muralto
